#pragma once
// Numbers in a Windows locale: read with that locale's decimal separator and signs, written by
// the system's own conversion (oleaut32).

#include "NumberFormat.h"

class WindowsNumberFormat final : public NumberFormat {
public:
    // A Windows locale identifier; by default the user's.
    explicit WindowsNumberFormat(unsigned long locale = 0x0400);

    std::optional<TypedNumber> read(const std::string& text) const override;
    std::string write(double value) const override;

private:
    unsigned long locale_;
    NumberSymbols symbols_;
};
