#pragma once
// How the user writes numbers: each front end reads and writes them the way its platform does
// for the user's locale. The solver only ever sees a number through this.

#include <optional>
#include <string>
#include <string_view>

// A number exactly as typed: (negative ? -1 : 1) * digits * 10^exponent.
struct TypedNumber {
    bool negative = false;
    std::string digits = "0"; // decimal digits without leading or trailing zeros; "0" for zero
    long long exponent = 0;
    double nearest = 0; // the nearest double; 0 for a number below the smallest one

    friend bool operator==(const TypedNumber&, const TypedNumber&) = default;
};

// The double nearest to `number`, 0 below the smallest; none above the largest double. Only the
// leading digits are looked at, so any length takes the same time.
std::optional<double> nearestDouble(const TypedNumber& number);

// The number (negative ? -1 : 1) * digits * 10^exponent, its digits (ASCII, maybe with leading or
// trailing zeros) made plain; none beyond the largest double.
std::optional<TypedNumber> typedNumber(bool negative, std::string digits, long long exponent);

// What a locale writes around a number's digits, in UTF-8.
struct NumberSymbols {
    std::string decimalSeparator = ".";
    std::string minusSign = "-";
    std::string plusSign = "+";
};

// The one reading of a typed number, the same on every platform, only the symbols coming from
// the user's locale: blanks (spaces and tabs) around it; at most one sign, right before the
// digits ('-', the minus sign U+2212, '+', or the locale's own); ASCII digits with at most one
// decimal separator, with a digit on at least one side of it; an optional 'e' or 'E' with an
// optional sign and at least one digit. Anything else is not a number: other blanks, group
// separators, currency, parentheses, hexadecimal, infinities, other digits, a sign after the
// number or two signs. So is a number beyond the largest double; one below the smallest is
// still a number.
std::optional<TypedNumber> readNumber(std::string_view text, const NumberSymbols& symbols);

class NumberFormat {
public:
    virtual ~NumberFormat() = default;
    // The number a UTF-8 text holds, every digit as typed; none when the text is no number or the
    // number lies beyond the largest double.
    virtual std::optional<TypedNumber> read(const std::string& text) const = 0;
    // A root as the program shows it: 15 significant digits, no trailing zeros or separator, a
    // zero before the separator below 1, never "-0", and from 10^15 on scientific form with a
    // capital E and a signed exponent ("1.23456789012346E+15").
    virtual std::string write(double value) const = 0;
};
