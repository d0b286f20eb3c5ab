#pragma once
// a*x^2 + b*x + c with integer coefficients over one power of ten, each known only to lie within
// its error of the value held (an error of 0: exactly that value). A question about the roots
// gets an answer only where every equation within those bounds gives the same one.

#include "DecimalInteger.h"

#include <optional>

struct BoundedInteger {
    BigInteger value;
    BigInteger error;
};

class BoundedEquation {
public:
    // `a` must be farther from 0 than its error, so that its sign is known.
    BoundedEquation(const BoundedInteger& a, const BoundedInteger& b, const BoundedInteger& c);

    std::optional<bool> hasRealRoots() const;

    // Whether floor(100 r + 1/2) >= hundredths, for the root taken with +sqrt (`first`) or with
    // -sqrt; only asked where there are real roots.
    std::optional<bool> roundsToAtLeast(bool first, const BigInteger& hundredths) const;

    // floor(100 r + 1/2) for the values held, a negative discriminant taken as 0.
    BigInteger approximateHundredths(bool first) const;

private:
    // With a > 0, which every sign can be turned to without moving a root, the root taken with
    // +sqrt is the larger.
    int rootSign(bool first) const { return first == (sign_ > 0) ? 1 : -1; }

    int sign_;
    BoundedInteger a_, b_, c_;
};
