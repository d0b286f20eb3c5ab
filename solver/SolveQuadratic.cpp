#include "SolveQuadratic.h"

#include <boost/multiprecision/cpp_int.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

namespace {

using boost::multiprecision::cpp_int;

// Digits beyond this many significant ones are rounded off, half away from zero: far more than
// a double holds, and it keeps a box full of digits from making the arithmetic slow.
constexpr std::size_t significantDigitsKept = 40;

void roundToKeptDigits(TypedNumber& number) {
    std::string& digits = number.digits;
    if (digits.size() <= significantDigitsKept) {
        return;
    }
    const bool roundUp = digits[significantDigitsKept] >= '5';
    number.exponent += static_cast<long long>(digits.size() - significantDigitsKept);
    digits.resize(significantDigitsKept);
    for (auto digit = digits.rbegin(); roundUp && digit != digits.rend(); ++digit) {
        *digit = *digit == '9' ? '0' : static_cast<char>(*digit + 1);
        if (*digit != '0') {
            break;
        }
    }
    if (roundUp && digits.front() == '0') {
        digits.insert(digits.begin(), '1'); // 999...9 rounded up
    }
    const auto significantEnd = digits.find_last_not_of('0');
    number.exponent += static_cast<long long>(digits.size() - significantEnd - 1);
    digits.resize(significantEnd + 1);
}

// Coefficients whose orders of magnitude lie at most this far apart are used exactly as typed:
// any two numbers a double can hold do. Only typed numbers below the smallest double reach
// further; each is then taken as this far below the largest coefficient, with its own sign. That
// cannot move a root by a hundredth; it keeps the side of a rounding tie that the number pushes
// a root to, and keeps the work small for any exponent.
constexpr long long exactSpan = 700;

long long orderOf(const TypedNumber& number) {
    return number.exponent + static_cast<long long>(number.digits.size()) - 1;
}

bool isZero(const TypedNumber& number) {
    return number.digits == "0";
}

void bringWithinSpan(std::array<TypedNumber*, 3> numbers) {
    long long top = std::numeric_limits<long long>::min();
    for (const TypedNumber* number : numbers) {
        top = isZero(*number) ? top : std::max(top, orderOf(*number));
    }
    for (TypedNumber* number : numbers) {
        if (!isZero(*number) && orderOf(*number) < top - exactSpan) {
            number->digits.assign(1, '1');
            number->exponent = top - exactSpan;
        }
    }
}

// The number as typed, as an integer count of 10^scale (scale at most its exponent).
cpp_int countOf(const TypedNumber& number, long long scale) {
    if (isZero(number)) {
        return 0;
    }
    const cpp_int magnitude =
        cpp_int(number.digits) *
        boost::multiprecision::pow(cpp_int(10), unsigned(number.exponent - scale));
    return number.negative ? cpp_int(-magnitude) : magnitude;
}

// The whole part of sqrt(q), and whether the root is exact.
struct IntegerRoot {
    cpp_int whole;
    bool exact;
};

IntegerRoot integerRoot(const cpp_int& q) {
    cpp_int remainder;
    cpp_int whole = boost::multiprecision::sqrt(q, remainder);
    return {std::move(whole), remainder == 0};
}

// floor((p + s*sqrt(q)) / m) for m > 0, exactly: it equals floor((p + floor(s*sqrt(q))) / m).
cpp_int floorOfQuotient(const cpp_int& p, int s, const IntegerRoot& root, const cpp_int& m) {
    const cpp_int numerator =
        p + (s > 0 ? root.whole : cpp_int(-root.whole - (root.exact ? 0 : 1)));
    cpp_int quotient;
    cpp_int rest;
    divide_qr(numerator, m, quotient, rest);
    return rest < 0 ? cpp_int(quotient - 1) : quotient;
}

// A root rounded to hundredths, from its count of hundredths; none when 100*r leaves the range
// of a double.
std::optional<std::string> rootText(const cpp_int& hundredths, const NumberFormat& numbers) {
    static const cpp_int largest(std::numeric_limits<double>::max());
    if (abs(hundredths) > largest) {
        return std::nullopt;
    }
    return numbers.write(hundredths.convert_to<double>() / 100.0);
}

SolveOutcome outcomeWithoutRoots(SolveKind kind) {
    return {kind, std::nullopt, std::nullopt};
}

} // namespace

SolveOutcome solveQuadratic(const std::string& aText, const std::string& bText,
                            const std::string& cText, const NumberFormat& numbers) {
    if (aText.empty() || bText.empty() || cText.empty()) {
        return outcomeWithoutRoots(SolveKind::MissingInput);
    }
    std::optional<TypedNumber> b = numbers.read(bText);
    std::optional<TypedNumber> a = numbers.read(aText);
    std::optional<TypedNumber> c = numbers.read(cText);
    if (!a || !b || !c) {
        return outcomeWithoutRoots(SolveKind::Failed);
    }
    // Overflow is judged as the double steps b*b, 4a, (4a)c and their difference meet it.
    if (!std::isfinite(b->nearest * b->nearest - (4.0 * a->nearest) * c->nearest)) {
        return outcomeWithoutRoots(SolveKind::Failed);
    }
    for (TypedNumber* number : {&*a, &*b, &*c}) {
        roundToKeptDigits(*number);
    }
    // Over one common power of ten the coefficients are integers, and everything below is exact.
    bringWithinSpan({&*a, &*b, &*c});
    long long scale = std::numeric_limits<long long>::max();
    for (const TypedNumber* number : {&*a, &*b, &*c}) {
        scale = isZero(*number) ? scale : std::min(scale, number->exponent);
    }
    const cpp_int bigA = countOf(*a, scale);
    const cpp_int bigB = countOf(*b, scale);
    const cpp_int discriminant = bigB * bigB - 4 * bigA * countOf(*c, scale);
    if (discriminant < 0) {
        return outcomeWithoutRoots(SolveKind::NoRealRoots);
    }
    // a = 0 divides by zero (or 0/0) in the formula: never a root, whatever b and c are.
    if (bigA == 0) {
        return outcomeWithoutRoots(SolveKind::Failed);
    }
    // 100r + 1/2 = (A - 100B +- sqrt(10^4 D)) / 2A, floored; a negative A turns every sign round.
    const int sign = bigA > 0 ? 1 : -1;
    const cpp_int p = sign * (bigA - 100 * bigB);
    const IntegerRoot root = integerRoot(10000 * discriminant);
    const cpp_int m = sign * 2 * bigA;
    SolveOutcome outcome{SolveKind::Failed, rootText(floorOfQuotient(p, sign, root, m), numbers),
                         std::nullopt};
    if (!outcome.firstRoot) {
        return outcome;
    }
    outcome.secondRoot = rootText(floorOfQuotient(p, -sign, root, m), numbers);
    if (outcome.secondRoot) {
        outcome.kind = SolveKind::Solved;
    }
    return outcome;
}
