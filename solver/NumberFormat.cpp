#include "NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace {

// Significant digits that decide a double: a point halfway between two doubles has at most 767,
// so past these only whether any digit is nonzero can count.
constexpr std::size_t decidingDigits = 768;

// An exponent beyond this puts any number of digits far outside a double's range either way.
constexpr long long exponentCeiling = 1LL << 40;

constexpr std::string_view typographicMinus = "\xE2\x88\x92"; // U+2212

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// Takes `symbol` off the front of `text` when it is there.
bool take(std::string_view& text, std::string_view symbol) {
    if (symbol.empty() || !text.starts_with(symbol)) {
        return false;
    }
    text.remove_prefix(symbol.size());
    return true;
}

// Takes an optional sign off the front; true for a minus.
bool takeSign(std::string_view& text, const NumberSymbols& symbols) {
    if (take(text, "-") || take(text, typographicMinus) || take(text, symbols.minusSign)) {
        return true;
    }
    take(text, "+") || take(text, symbols.plusSign);
    return false;
}

} // namespace

std::optional<double> nearestDouble(const TypedNumber& number) {
    // Digits beyond the deciding ones only tell which way a tie goes: as the digits have no
    // trailing zeros, any cut is kept as a single sticky digit, so the rounding never moves.
    std::string digits = number.digits.substr(0, decidingDigits);
    const bool cut = number.digits.size() > decidingDigits;
    if (cut) {
        digits += '1';
    }
    const long long exponent =
        number.exponent + static_cast<long long>(number.digits.size() - digits.size());
    const std::string text =
        digits + 'e' + std::to_string(std::clamp(exponent, -100000LL, 100000LL));
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (exponent + static_cast<long long>(digits.size()) > 0) {
            return std::nullopt; // above the largest double
        }
        value = 0; // below the smallest
    }
    return number.negative ? -value : value;
}

std::optional<TypedNumber> typedNumber(bool negative, std::string digits, long long exponent) {
    const auto significantEnd = digits.find_last_not_of('0');
    if (significantEnd == std::string::npos) {
        return TypedNumber{};
    }
    TypedNumber number{negative,
                       {},
                       exponent + static_cast<long long>(digits.size()) -
                           static_cast<long long>(significantEnd) - 1,
                       0};
    digits.resize(significantEnd + 1);
    number.digits = digits.substr(digits.find_first_not_of('0'));
    const std::optional<double> nearest = nearestDouble(number);
    if (!nearest) {
        return std::nullopt;
    }
    number.nearest = *nearest;
    return number;
}

std::optional<TypedNumber> readNumber(std::string_view text, const NumberSymbols& symbols) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    const bool negative = takeSign(text, symbols);
    std::string digits;
    long long exponent = 0;
    const auto takeDigits = [&](bool afterSeparator) {
        for (; !text.empty() && isDigit(text.front()); text.remove_prefix(1)) {
            digits.push_back(text.front());
            exponent -= afterSeparator ? 1 : 0;
        }
    };
    takeDigits(false);
    if (take(text, symbols.decimalSeparator)) {
        takeDigits(true);
    }
    if (digits.empty()) {
        return std::nullopt;
    }
    if (take(text, "e") || take(text, "E")) {
        const bool negativeExponent = takeSign(text, symbols);
        if (text.empty() || !isDigit(text.front())) {
            return std::nullopt;
        }
        long long written = 0;
        for (; !text.empty() && isDigit(text.front()); text.remove_prefix(1)) {
            written = std::min(written * 10 + (text.front() - '0'), exponentCeiling);
        }
        exponent += negativeExponent ? -written : written;
    }
    return text.empty() ? typedNumber(negative, std::move(digits), exponent) : std::nullopt;
}
