#include "BoundedEquation.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace {

struct Range {
    BigInteger low;
    BigInteger high;
};

// The range of sum(factor * x) over every x within its bounds.
Range linearRange(std::initializer_list<std::pair<BigInteger, const BoundedInteger*>> terms) {
    BigInteger value;
    BigInteger error;
    for (const auto& [factor, x] : terms) {
        value += factor * x->value;
        error += abs(factor) * x->error;
    }
    return {value - error, value + error};
}

// The range of x * y, from the products of the bounds' ends; for exact numbers the one product.
Range productRange(const BoundedInteger& x, const BoundedInteger& y) {
    if (x.error == 0 && y.error == 0) {
        const BigInteger product = x.value * y.value;
        return {product, product};
    }
    const BigInteger corners[] = {
        (x.value - x.error) * (y.value - y.error), (x.value - x.error) * (y.value + y.error),
        (x.value + x.error) * (y.value - y.error), (x.value + x.error) * (y.value + y.error)};
    const auto [low, high] = std::minmax_element(std::begin(corners), std::end(corners));
    return {*low, *high};
}

std::optional<bool> atMostZero(const Range& range) {
    if (range.high <= 0) {
        return true;
    }
    return range.low > 0 ? std::optional(false) : std::nullopt;
}

std::optional<bool> atLeastZero(const Range& range) {
    if (range.low >= 0) {
        return true;
    }
    return range.high < 0 ? std::optional(false) : std::nullopt;
}

// Three-valued "or" and "and": an unknown side matters only where the other does not decide.
std::optional<bool> either(std::optional<bool> x, std::optional<bool> y) {
    if (x == true || y == true) {
        return true;
    }
    return x && y ? std::optional(false) : std::nullopt;
}

std::optional<bool> both(std::optional<bool> x, std::optional<bool> y) {
    if (x == false || y == false) {
        return false;
    }
    return x && y ? std::optional(true) : std::nullopt;
}

BoundedInteger turned(const BoundedInteger& x, int sign) {
    return {sign * x.value, x.error};
}

} // namespace

BoundedEquation::BoundedEquation(const BoundedInteger& a, const BoundedInteger& b,
                                 const BoundedInteger& c)
    : sign_(a.value > 0 ? 1 : -1), a_(turned(a, sign_)), b_(turned(b, sign_)),
      c_(turned(c, sign_)) {}

std::optional<bool> BoundedEquation::hasRealRoots() const {
    // A rounded b is farther from 0 than its error, so the ends' products bound b^2 closely.
    const Range square = productRange(b_, b_);
    const Range ac = productRange(a_, c_);
    return atLeastZero({square.low - 4 * ac.high, square.high - 4 * ac.low});
}

std::optional<bool> BoundedEquation::roundsToAtLeast(bool first,
                                                     const BigInteger& hundredths) const {
    // r >= beta = (2k - 1) / 200. With t = b + 2a*beta and f the polynomial, sign(D - t^2) is
    // -sign(f(beta)) for a > 0, so the larger root reaches beta when t <= 0 or f(beta) <= 0, and
    // the smaller when t <= 0 and f(beta) >= 0; no square root is taken. Both are scaled to
    // integers: 100t = (2k - 1)a + 100b, 40000 f(beta) = (2k - 1)^2 a + 200(2k - 1)b + 40000c.
    const BigInteger odd = 2 * hundredths - 1;
    const std::optional<bool> beforeVertex = atMostZero(linearRange({{odd, &a_}, {100, &b_}}));
    const Range value = linearRange({{odd * odd, &a_}, {200 * odd, &b_}, {40000, &c_}});
    return rootSign(first) > 0 ? either(beforeVertex, atMostZero(value))
                               : both(beforeVertex, atLeastZero(value));
}

BigInteger BoundedEquation::approximateHundredths(bool first) const {
    // 100r + 1/2 = (a - 100b +- sqrt(10^4 D)) / 2a, floored: floor((p + floor(s*sqrt(q))) / m).
    const BigInteger discriminant = b_.value * b_.value - 4 * a_.value * c_.value;
    BigInteger remainder;
    const BigInteger root = boost::multiprecision::sqrt(
        BigInteger(10000 * std::max(discriminant, BigInteger(0))), remainder);
    const BigInteger below = remainder == 0 ? -root : BigInteger(-root - 1);
    const BigInteger numerator = a_.value - 100 * b_.value + (rootSign(first) > 0 ? root : below);
    BigInteger quotient;
    BigInteger rest;
    divide_qr(numerator, BigInteger(2 * a_.value), quotient, rest);
    return rest < 0 ? BigInteger(quotient - 1) : quotient;
}
