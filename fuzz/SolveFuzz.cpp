// Checks the root calculation against the exact roots. The input either makes three coefficients
// (each a sign, up to 18 digits and an exponent, written with an exponent or with the locale's
// decimal separator), whose roots are then known exactly, or is taken as three free texts, which
// must give a well-formed outcome.

#include "QtNumberFormat.h"
#include "SolveQuadratic.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <boost/multiprecision/cpp_int.hpp>
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

namespace {

using Integer = boost::multiprecision::cpp_int;
using Rational = boost::multiprecision::cpp_rational;

void require(bool condition) {
    condition ? void() : std::abort();
}

// value * 10^exponent
Rational scaled(const Rational& value, int exponent) {
    const Rational power = boost::multiprecision::pow(Integer(10), unsigned(std::abs(exponent)));
    return exponent >= 0 ? Rational(value * power) : Rational(value / power);
}

struct Coefficient {
    QString text;
    Rational value;
};

Coefficient makeCoefficient(FuzzedDataProvider& input, QChar point) {
    const bool negative = input.ConsumeBool();
    const auto mantissa = input.ConsumeIntegralInRange<std::uint64_t>(0, 999999999999999999);
    // Mostly everyday sizes; now and then far below the smallest double.
    const int exponent = input.ConsumeIntegralInRange(0, 7) != 0
                             ? input.ConsumeIntegralInRange(-12, 12)
                             : input.ConsumeIntegralInRange(-400, 40);
    const std::string digits = std::to_string(mantissa);
    QString text = QString::fromStdString(digits);
    if (input.ConsumeBool()) {
        text += u'E' + QString::number(exponent);
    } else if (exponent >= 0) {
        text += QString(exponent, u'0');
    } else {
        text = QString(std::max<qsizetype>(0, 1 - exponent - text.size()), u'0') + text;
        text.insert(text.size() + exponent, point);
    }
    const Rational value = scaled(Rational(mantissa), exponent);
    return {(negative ? QStringLiteral("-") : QString()) + text,
            negative ? Rational(-value) : value};
}

// A root text in the program's format read exactly: sign, digits, separator, E and exponent.
Rational readRoot(const QString& text, QChar point) {
    static const QRegularExpression format(
        QStringLiteral("^(-?)(\\d+)(?:[.,](\\d+))?(?:E([+-]\\d+))?$"));
    const QRegularExpressionMatch match = format.match(text);
    require(match.hasMatch() && (match.captured(3).isEmpty() || text.contains(point)));
    const QString fraction = match.captured(3);
    std::string digits = (match.captured(2) + fraction).toStdString();
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1)); // not octal
    const Rational value =
        scaled(Rational(Integer(digits)), match.captured(4).toInt() - int(fraction.size()));
    return match.captured(1).isEmpty() ? value : Rational(-value);
}

// The exact roots r = (-b + s*sqrt(D)) / 2a, compared without taking a root. The coefficients
// are brought to integers over a common denominator, which leaves the roots as they are.
struct Equation {
    Integer a, b, c, d;

    Equation(const Rational& ra, const Rational& rb, const Rational& rc) {
        const Integer common = lcm(lcm(denominator(ra), denominator(rb)), denominator(rc));
        a = numerator(ra) * (common / denominator(ra));
        b = numerator(rb) * (common / denominator(rb));
        c = numerator(rc) * (common / denominator(rc));
        d = b * b - 4 * a * c;
    }

    // The sign of s*sqrt(D) - p/q, for q > 0: that of s*sqrt(D*q*q) - p.
    int signOfRootMinus(int s, const Integer& p, const Integer& q) const {
        const Integer square = d * q * q;
        const int squares = square > p * p ? 1 : square < p * p ? -1 : 0;
        if (s > 0) {
            return p < 0 ? 1 : squares;
        }
        return -(p >= 0 ? (square == 0 && p == 0 ? 0 : 1) : squares);
    }

    // The sign of r_s - x.
    int compareRoot(int s, const Rational& x) const {
        const Rational t = 2 * a * x + b;
        return signOfRootMinus(s, numerator(t), denominator(t)) * (a > 0 ? 1 : -1);
    }

    // The shown text is that root rounded to hundredths, the half rounded up; beyond 15
    // significant digits the text itself is rounded.
    bool shows(int s, const Rational& shown) const {
        const Rational half(1, 200);
        if (abs(shown) < Rational(1000000000000)) {
            return compareRoot(s, shown - half) >= 0 && compareRoot(s, shown + half) < 0;
        }
        const Rational slack = half + abs(shown) / Rational(100000000000000);
        return compareRoot(s, shown - slack) >= 0 && compareRoot(s, shown + slack) <= 0;
    }

    bool isBeyondDoubles(int s) const {
        const Rational far = boost::multiprecision::pow(Integer(10), 300);
        return compareRoot(s, far) > 0 || compareRoot(s, -far) < 0;
    }
};

void checkAgainstExactRoots(FuzzedDataProvider& input, QChar point, const NumberFormat& numbers) {
    const Coefficient a = makeCoefficient(input, point);
    const Coefficient b = makeCoefficient(input, point);
    const Coefficient c = makeCoefficient(input, point);
    const Equation equation(a.value, b.value, c.value);
    const SolveOutcome outcome =
        solveQuadratic(a.text.toStdString(), b.text.toStdString(), c.text.toStdString(), numbers);
    if (equation.d < 0) {
        require(outcome.kind == SolveKind::NoRealRoots);
        return;
    }
    if (equation.a == 0) {
        require(outcome.kind == SolveKind::Failed && !outcome.firstRoot);
        return;
    }
    require(outcome.kind == SolveKind::Solved || outcome.kind == SolveKind::Failed);
    require(outcome.firstRoot
                ? equation.shows(1, readRoot(QString::fromStdString(*outcome.firstRoot), point))
                : equation.isBeyondDoubles(1));
    require(outcome.secondRoot
                ? equation.shows(-1, readRoot(QString::fromStdString(*outcome.secondRoot), point))
                : !outcome.firstRoot || equation.isBeyondDoubles(-1));
}

void checkFreeTexts(const QString& text, QChar point, const NumberFormat& numbers) {
    QStringList texts = text.split(u'\n');
    texts.resize(std::max<qsizetype>(texts.size(), 3));
    const SolveOutcome outcome = solveQuadratic(texts[0].toStdString(), texts[1].toStdString(),
                                                texts[2].toStdString(), numbers);
    require((outcome.kind == SolveKind::MissingInput) ==
            (texts[0].isEmpty() || texts[1].isEmpty() || texts[2].isEmpty()));
    require(outcome.secondRoot.has_value() == (outcome.kind == SolveKind::Solved));
    require(!outcome.firstRoot || outcome.kind == SolveKind::Solved ||
            outcome.kind == SolveKind::Failed);
    for (const auto& root : {outcome.firstRoot, outcome.secondRoot}) {
        if (root) {
            readRoot(QString::fromStdString(*root), point); // in the program's number format
        }
    }
}

} // namespace

// The first byte picks the locale (both decimal separators) and the kind of input.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::uint8_t choice = size > 0 ? data[0] : 0;
    const bool comma = (choice & 1U) != 0;
    const QtNumberFormat numbers(comma ? QLocale(QLocale::German) : QLocale(QLocale::English));
    const QChar point = comma ? u',' : u'.';
    if ((choice & 2U) != 0) {
        FuzzedDataProvider input(data + 1, size - 1);
        checkAgainstExactRoots(input, point, numbers);
    } else {
        checkFreeTexts(
            QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)).mid(1), point,
            numbers);
    }
    return 0;
}
