#pragma once
// Locale-aware conversion between texts and numbers; knows nothing about equations or windows.

#include <QLocale>
#include <QString>

#include <optional>
#include <string>

namespace platform {

// A number exactly as the user typed it: (negative ? -1 : 1) * digits * 10^exponent.
struct DecimalNumber {
    double value; // the nearest double, as QLocale reads it; 0 for a number below its range
    bool negative;
    std::string digits; // decimal digits without leading or trailing zeros, "0" for zero
    long long exponent;
};

// Digits beyond this many significant ones are rounded off, half away from zero: far more than
// a double holds, and it keeps a megabyte of typed digits from making the arithmetic slow.
inline constexpr int significantDigitsKept = 40;

// Reads a finite number written in `locale`: surrounding blanks, a sign, the locale's decimal
// separator and an exponent are accepted; group separators, infinities, NaN and numbers beyond
// the largest double are not, so "1,000" cannot silently mean 1 or 1000 depending on who reads
// it. A number too small for a double is still a number (1e-400). QLocale decides what is a
// number; the digits it accepted are then taken as typed.
std::optional<DecimalNumber> parseDecimal(const QString& text, const QLocale& locale = QLocale());

// Writes a double the way the program shows numbers: 15 significant digits, no trailing zeros or
// separator, a zero before the separator below 1, and never "-0". From 10^15 on the text switches
// to scientific form with a capital E and a signed exponent ("1.23456789012346E+15").
QString formatNumber(double value, const QLocale& locale = QLocale());

} // namespace platform
