#include "DecimalInteger.h"

#include <vector>

namespace {

// Below this many digits the library's own digit-by-digit conversion is the quicker.
constexpr std::size_t directDigits = 1000;

// 10^(directDigits * 2^i) for each i in use, so that every split multiplies by one of them.
BigInteger integerOfDigits(std::string_view digits, const std::vector<BigInteger>& powers) {
    if (digits.size() <= directDigits) {
        return BigInteger(std::string(digits));
    }
    std::size_t level = 0;
    while ((directDigits << (level + 1)) < digits.size()) {
        ++level;
    }
    const std::size_t lowDigits = directDigits << level;
    const std::string_view high = digits.substr(0, digits.size() - lowDigits);
    return integerOfDigits(high, powers) * powers[level] +
           integerOfDigits(digits.substr(high.size()), powers);
}

} // namespace

BigInteger powerOfTen(unsigned long long exponent) {
    return boost::multiprecision::pow(BigInteger(10), static_cast<unsigned>(exponent));
}

BigInteger integerOfDigits(std::string_view digits) {
    if (digits.size() <= directDigits) {
        return BigInteger(std::string(digits));
    }
    std::vector<BigInteger> powers{powerOfTen(directDigits)};
    while ((directDigits << powers.size()) < digits.size()) {
        powers.push_back(powers.back() * powers.back());
    }
    return integerOfDigits(digits, powers);
}
