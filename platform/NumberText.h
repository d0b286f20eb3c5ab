#pragma once
// Locale-aware conversion between texts and doubles; knows nothing about equations or windows.

#include <QLocale>
#include <QString>

#include <optional>

namespace platform {

// Reads a finite double written in `locale`: surrounding blanks, a sign, the locale's decimal
// separator and an exponent are accepted; group separators, infinities and NaN are not, so
// "1,000" cannot silently mean 1 or 1000 depending on who reads it.
std::optional<double> parseNumber(const QString& text, const QLocale& locale = QLocale());

// Writes a double the way the program shows numbers: 15 significant digits, no trailing zeros or
// separator, a zero before the separator below 1, and never "-0". From 10^15 on the text switches
// to scientific form with a capital E and a signed exponent ("1.23456789012346E+15").
QString formatNumber(double value, const QLocale& locale = QLocale());

} // namespace platform
