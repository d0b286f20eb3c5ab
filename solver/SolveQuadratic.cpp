#include "SolveQuadratic.h"

#include "BoundedEquation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

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

using Coefficients = std::array<TypedNumber, 3>;

void bringWithinSpan(Coefficients& numbers) {
    long long top = std::numeric_limits<long long>::min();
    for (const TypedNumber& number : numbers) {
        top = isZero(number) ? top : std::max(top, orderOf(number));
    }
    for (TypedNumber& number : numbers) {
        if (!isZero(number) && orderOf(number) < top - exactSpan) {
            number.digits.assign(1, '1');
            number.exponent = top - exactSpan;
        }
    }
}

// A number rounded to some significant digits, half away from zero, and when digits were cut,
// the power of ten at the first of them: the rounding moved the number by at most half of it.
struct RoundedNumber {
    TypedNumber number;
    std::optional<long long> cutAt;
};

RoundedNumber rounded(const TypedNumber& typed, std::size_t kept) {
    if (typed.digits.size() <= kept) {
        return {typed, std::nullopt};
    }
    // Only the kept digits are copied: a box may hold a mebibyte of them.
    TypedNumber number{typed.negative, typed.digits.substr(0, kept),
                       typed.exponent + static_cast<long long>(typed.digits.size() - kept),
                       typed.nearest};
    std::string& digits = number.digits;
    const bool roundUp = typed.digits[kept] >= '5';
    const long long cutAt = number.exponent - 1;
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
    return {std::move(number), cutAt};
}

// The coefficients rounded to `kept` digits, as integers over one power of ten that every digit
// kept and every bound of a rounding lies on.
std::array<BoundedInteger, 3> bounded(const Coefficients& numbers, std::size_t kept) {
    std::array<RoundedNumber, 3> kepts;
    long long scale = std::numeric_limits<long long>::max();
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        kepts[i] = rounded(numbers[i], kept);
        scale = isZero(kepts[i].number) ? scale : std::min(scale, kepts[i].number.exponent);
        scale = std::min(scale, kepts[i].cutAt.value_or(scale));
    }
    std::array<BoundedInteger, 3> integers;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const TypedNumber& number = kepts[i].number;
        if (!isZero(number)) {
            const BigInteger magnitude =
                integerOfDigits(number.digits) * powerOfTen(number.exponent - scale);
            integers[i].value = number.negative ? BigInteger(-magnitude) : magnitude;
        }
        if (kepts[i].cutAt) {
            integers[i].error = 5 * powerOfTen(*kepts[i].cutAt - scale);
        }
    }
    return integers;
}

// floor(100 r + 1/2) for one root, found from a guess by doubling steps and then halving them,
// as long as the bounds answer every question on the way.
std::optional<BigInteger> settle(const BoundedEquation& equation, bool first,
                                 const BigInteger& guess) {
    const std::optional<bool> atGuess = equation.roundsToAtLeast(first, guess);
    if (!atGuess) {
        return std::nullopt;
    }
    // The root rounds to at least `reached` hundredths and to fewer than `missed`.
    BigInteger reached;
    BigInteger missed;
    (*atGuess ? reached : missed) = guess;
    for (BigInteger step = 1;; step *= 2) {
        const BigInteger next = *atGuess ? BigInteger(reached + step) : BigInteger(missed - step);
        const std::optional<bool> atNext = equation.roundsToAtLeast(first, next);
        if (!atNext) {
            return std::nullopt;
        }
        (*atNext ? reached : missed) = next;
        if (*atNext != *atGuess) {
            break;
        }
    }
    while (missed - reached > 1) {
        const BigInteger middle = (reached + missed) / 2;
        const std::optional<bool> atMiddle = equation.roundsToAtLeast(first, middle);
        if (!atMiddle) {
            return std::nullopt;
        }
        (*atMiddle ? reached : missed) = middle;
    }
    return reached;
}

// A root rounded to hundredths, from its count of hundredths; none when 100*r leaves the range
// of a double.
std::optional<std::string> rootText(const BigInteger& hundredths, const NumberFormat& numbers) {
    static const BigInteger largest(std::numeric_limits<double>::max());
    if (abs(hundredths) > largest) {
        return std::nullopt;
    }
    return numbers.write(hundredths.convert_to<double>() / 100.0);
}

SolveOutcome outcomeWithoutRoots(SolveKind kind) {
    return {kind, std::nullopt, std::nullopt};
}

// What is known of the equation from the passes so far.
struct Knowledge {
    std::optional<bool> realRoots;
    std::array<BigInteger, 2> guesses; // hundredths of the first and second root
};

// The outcome, where the equation's bounds decide it.
std::optional<SolveOutcome> decide(const BoundedEquation& equation, Knowledge& known,
                                   const NumberFormat& numbers) {
    known.realRoots = known.realRoots ? known.realRoots : equation.hasRealRoots();
    if (!known.realRoots) {
        return std::nullopt;
    }
    if (!*known.realRoots) {
        return outcomeWithoutRoots(SolveKind::NoRealRoots);
    }
    const std::optional<BigInteger> first = settle(equation, true, known.guesses[0]);
    const std::optional<BigInteger> second = settle(equation, false, known.guesses[1]);
    if (!first || !second) {
        return std::nullopt;
    }
    SolveOutcome outcome{SolveKind::Failed, rootText(*first, numbers), std::nullopt};
    if (outcome.firstRoot) {
        outcome.secondRoot = rootText(*second, numbers);
        outcome.kind = outcome.secondRoot ? SolveKind::Solved : SolveKind::Failed;
    }
    return outcome;
}

BoundedEquation equationOf(const std::array<BoundedInteger, 3>& coefficients) {
    return {coefficients[0], coefficients[1], coefficients[2]};
}

// Significant digits kept by the quick passes before every typed digit is used: the first
// decides nearly every equation, the second all but ties that hang on digits far beyond it.
constexpr std::size_t quickPasses[] = {40, 1000};

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
    // a = 0 divides by zero (or 0/0) in the formula: never a root, whatever b and c are.
    if (isZero(*a)) {
        return outcomeWithoutRoots(SolveKind::Failed);
    }
    Coefficients typed{std::move(*a), std::move(*b), std::move(*c)};
    bringWithinSpan(typed);
    // Each pass rounds the coefficients and bounds what the rounding can change; the roots are
    // decided as soon as the bounds leave no doubt, and at the latest with every digit.
    Knowledge known;
    for (const std::size_t kept : quickPasses) {
        const BoundedEquation equation = equationOf(bounded(typed, kept));
        known.guesses = {equation.approximateHundredths(true),
                         equation.approximateHundredths(false)};
        if (const std::optional<SolveOutcome> outcome = decide(equation, known, numbers)) {
            return *outcome;
        }
    }
    const BoundedEquation exact =
        equationOf(bounded(typed, std::numeric_limits<std::size_t>::max()));
    return *decide(exact, known, numbers);
}
