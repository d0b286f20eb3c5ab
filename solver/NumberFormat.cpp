#include "NumberFormat.h"

#include <algorithm>
#include <charconv>

namespace {

// Significant digits that decide a double, with room to spare.
constexpr std::size_t decidingDigits = 40;

} // namespace

std::optional<double> nearestDouble(const TypedNumber& number) {
    // Digits beyond the deciding ones only tell which way a tie goes: a nonzero one among them is
    // kept as a single sticky digit, so that cutting the rest never moves the rounding.
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
