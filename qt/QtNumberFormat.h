#pragma once
// Numbers as Qt writes them in a locale: QLocale decides what is a number, and the digits it
// accepted are then taken as typed.

#include "NumberFormat.h"

#include <QLocale>

class QtNumberFormat final : public NumberFormat {
public:
    explicit QtNumberFormat(const QLocale& locale = QLocale());

    // Surrounding blanks, a sign, the locale's decimal separator and an exponent are accepted;
    // group separators, infinities and NaN are not, so "1,000" cannot silently mean 1 or 1000
    // depending on who reads it. A number too small for a double is still a number (1e-400).
    std::optional<TypedNumber> read(const std::string& text) const override;
    std::string write(double value) const override;

private:
    QLocale locale_;
};
