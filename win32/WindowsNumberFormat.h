#pragma once
// Numbers as Windows writes them in a locale: the system's own conversion (oleaut32) decides what
// is a number and writes the roots, and the digits it accepted are then taken as typed.

#include "NumberFormat.h"

class WindowsNumberFormat final : public NumberFormat {
public:
    // A Windows locale identifier; by default the user's.
    explicit WindowsNumberFormat(unsigned long locale = 0x0400);

    // Surrounding blanks, a sign, the locale's decimal separator and an exponent are accepted;
    // group separators, currency signs, parentheses and hexadecimal are not, so a text means the
    // same number here as in the Linux build. A number too small for a double is still a number.
    std::optional<TypedNumber> read(const std::string& text) const override;
    std::string write(double value) const override;

private:
    unsigned long locale_;
    std::wstring decimalSeparator_;
    std::wstring negativeSign_;
};
