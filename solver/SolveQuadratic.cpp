#include "SolveQuadratic.h"

#include "platform/NumberText.h"

#include <algorithm>
#include <cmath>

namespace {

struct Coefficients {
    double a;
    double b;
    double c;
};

// b^2 - (4a)c: squaring and the square root below use the correctly rounded operations, which
// the general power operation only approximates, so that scaling by 2^k commutes bit for bit.
double discriminant(const Coefficients& k) {
    return k.b * k.b - (4.0 * k.a) * k.c;
}

// One common power of two brings the largest coefficient into [1, 2): exact, and it keeps tiny
// coefficients from underflowing the discriminant to zero. Roots are unchanged by the scaling.
Coefficients scaledToUnit(const Coefficients& k) {
    const double largest = std::max({std::fabs(k.a), std::fabs(k.b), std::fabs(k.c)});
    if (largest == 0.0) {
        return k;
    }
    const int shift = -std::ilogb(largest);
    return {std::ldexp(k.a, shift), std::ldexp(k.b, shift), std::ldexp(k.c, shift)};
}

std::optional<QString> roundedRootText(double root) {
    constexpr double hundred = 100.0; // 10^2, exact
    const double shifted = hundred * root;
    if (!std::isfinite(shifted)) {
        return std::nullopt;
    }
    return platform::formatNumber(std::floor(shifted + 0.5) / hundred);
}

struct Roots {
    double plus;
    double minus;
};

// The quadratic formula, except that the root whose numerator would subtract nearly equal
// numbers comes from the product of the roots (c/a) instead, so it keeps its digits.
Roots quadraticRoots(const Coefficients& k, double discriminantValue) {
    const double root = std::sqrt(discriminantValue);
    const double plusNumerator = -k.b + root;
    const double minusNumerator = -k.b - root;
    const double twoA = k.a + k.a;
    Roots roots{plusNumerator / twoA, minusNumerator / twoA};
    if (k.b > 0.0) {
        roots.plus = k.c / (minusNumerator / 2.0);
    } else if (k.b < 0.0) {
        roots.minus = k.c / (plusNumerator / 2.0);
    }
    return roots;
}

SolveOutcome outcomeWithoutRoots(SolveKind kind) {
    return {kind, std::nullopt, std::nullopt};
}

} // namespace

SolveOutcome SolveQuadratic(const QString& aText, const QString& bText, const QString& cText) {
    if (aText.isEmpty() || bText.isEmpty() || cText.isEmpty()) {
        return outcomeWithoutRoots(SolveKind::MissingInput);
    }
    const std::optional<double> b = platform::parseNumber(bText);
    const std::optional<double> a = platform::parseNumber(aText);
    const std::optional<double> c = platform::parseNumber(cText);
    if (!a || !b || !c) {
        return outcomeWithoutRoots(SolveKind::Failed);
    }
    const Coefficients given{*a, *b, *c};
    // Overflow is judged on the discriminant as the user's numbers give it.
    if (!std::isfinite(discriminant(given))) {
        return outcomeWithoutRoots(SolveKind::Failed);
    }
    const Coefficients scaled = scaledToUnit(given);
    const double d = discriminant(scaled);
    if (d < 0.0) {
        return outcomeWithoutRoots(SolveKind::NoRealRoots);
    }
    // a = 0 divides by zero (or 0/0) in the formula: never a root, whatever b and c are.
    if (scaled.a == 0.0) {
        return outcomeWithoutRoots(SolveKind::Failed);
    }
    const Roots roots = quadraticRoots(scaled, d);
    SolveOutcome outcome{SolveKind::Failed, roundedRootText(roots.plus), std::nullopt};
    if (!outcome.firstRoot) {
        return outcome;
    }
    outcome.secondRoot = roundedRootText(roots.minus);
    if (outcome.secondRoot) {
        outcome.kind = SolveKind::Solved;
    }
    return outcome;
}
