// Checks the root calculation against the exact roots. The input either makes three coefficients
// (each a sign, up to 18 digits, now and then followed by a long run of nines or zeros and a last
// digit, which brings roots to a hair from a rounding boundary, and an exponent, written with an
// exponent or with the locale's decimal separator), whose roots are then known exactly, or is
// taken as three free texts, each of which must mean what the reading rule says, and which must
// give a well-formed outcome. Neither model calls the program's own reading or arithmetic.

#include "QtNumberFormat.h"
#include "SolveQuadratic.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <boost/multiprecision/cpp_int.hpp>
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

using Integer = boost::multiprecision::cpp_int;

void require(bool condition) {
    condition ? void() : std::abort();
}

Integer powerOfTen(int exponent) {
    return boost::multiprecision::pow(Integer(10), unsigned(exponent));
}

// p/q with q > 0, never reduced: every denominator here is a power of ten or 200 times one, and
// reducing by a greatest common divisor was most of the checker's time.
struct Fraction {
    Integer p, q = 1;

    friend Fraction operator+(const Fraction& x, const Fraction& y) {
        return {x.p * y.q + y.p * x.q, x.q * y.q};
    }
    friend Fraction operator-(const Fraction& x) { return {-x.p, x.q}; }
    friend Fraction operator-(const Fraction& x, const Fraction& y) { return x + -y; }
    Fraction magnitude() const { return {abs(p), q}; }
    bool isBelow(const Integer& bound) const { return p < bound * q; }
};

// The signed mantissa times 10^exponent.
struct Coefficient {
    QString text;
    Integer mantissa;
    int exponent;
};

// mantissa * 10^exponent, written with an exponent or with the locale's decimal separator.
Coefficient written(const Integer& mantissa, int exponent, FuzzedDataProvider& input, QChar point) {
    QString text = QString::fromStdString(Integer(abs(mantissa)).str());
    if (input.ConsumeBool()) {
        text += u'E' + QString::number(exponent);
    } else if (exponent >= 0) {
        text += QString(exponent, u'0');
    } else {
        text = QString(std::max<qsizetype>(0, 1 - exponent - text.size()), u'0') + text;
        text.insert(text.size() + exponent, point);
    }
    return {(mantissa < 0 ? QStringLiteral("-") : QString()) + text, mantissa, exponent};
}

Coefficient makeCoefficient(FuzzedDataProvider& input, QChar point) {
    const bool negative = input.ConsumeBool();
    std::string digits =
        std::to_string(input.ConsumeIntegralInRange<std::uint64_t>(0, 999999999999999999));
    int exponent = input.ConsumeIntegralInRange(0, 7) != 0
                       ? input.ConsumeIntegralInRange(-12, 12)
                       : input.ConsumeIntegralInRange(-400, 40); // now and then far below doubles
    if (input.ConsumeIntegralInRange(0, 3) == 0) {
        const int run = input.ConsumeIntegralInRange(20, 80);
        digits += std::string(std::size_t(run), input.ConsumeBool() ? '9' : '0');
        digits += char('0' + input.ConsumeIntegralInRange(0, 9));
        exponent -= run + 1;
    }
    const Integer value(digits.substr(std::min(digits.find_first_not_of('0'), digits.size() - 1)));
    return written(negative ? Integer(-value) : value, exponent, input, point);
}

// x^2 + b*x + c with a root a hair from a rounding boundary, r = (2k + 1)/200 +- 10^-run, and a
// free root s: b = -(r + s) and c = r*s, exact decimals of far more than 40 digits.
std::array<Coefficient, 3> nearBoundary(FuzzedDataProvider& input, QChar point) {
    const auto k = input.ConsumeIntegralInRange<long long>(-100000, 100000);
    const int run = input.ConsumeIntegralInRange(30, 90);
    const Integer r = (2 * k + 1) * 5 * powerOfTen(run - 3) + (input.ConsumeBool() ? 1 : -1);
    const Coefficient free = makeCoefficient(input, point);
    const int lowest = std::min(-run, free.exponent);
    const Integer scaledR = r * powerOfTen(-run - lowest);
    const Integer scaledS = free.mantissa * powerOfTen(free.exponent - lowest);
    return {written(1, 0, input, point), written(-(scaledR + scaledS), lowest, input, point),
            written(scaledR * scaledS, 2 * lowest, input, point)};
}

// A root text in the program's format read exactly: sign, digits, separator, E and exponent.
Fraction readRoot(const QString& text, QChar point) {
    static const QRegularExpression format(
        QStringLiteral("^(-?)(\\d+)(?:[.,](\\d+))?(?:E([+-]\\d+))?$"));
    const QRegularExpressionMatch match = format.match(text);
    require(match.hasMatch() && (match.captured(3).isEmpty() || text.contains(point)));
    const QString fraction = match.captured(3);
    std::string digits = (match.captured(2) + fraction).toStdString();
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1)); // not octal
    const int exponent = match.captured(4).toInt() - int(fraction.size());
    Fraction value{Integer(digits)};
    (exponent >= 0 ? value.p : value.q) *= powerOfTen(std::abs(exponent));
    return match.captured(1).isEmpty() ? value : -value;
}

// The exact roots r = (-b + s*sqrt(D)) / 2a, compared without taking a root. The coefficients
// are brought to integers by one power of ten, which leaves the roots as they are.
struct Equation {
    Integer a, b, c, d;

    Equation(const Coefficient& ca, const Coefficient& cb, const Coefficient& cc) {
        const int lowest = std::min({ca.exponent, cb.exponent, cc.exponent});
        a = ca.mantissa * powerOfTen(ca.exponent - lowest);
        b = cb.mantissa * powerOfTen(cb.exponent - lowest);
        c = cc.mantissa * powerOfTen(cc.exponent - lowest);
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

    // The sign of r_s - x: with t = 2ax + b, that of s*sqrt(D) - t, turned by the sign of a.
    int compareRoot(int s, const Fraction& x) const {
        return signOfRootMinus(s, 2 * a * x.p + b * x.q, x.q) * (a > 0 ? 1 : -1);
    }

    // The shown text is that root rounded to hundredths, the half rounded up; beyond 15
    // significant digits the text itself is rounded.
    bool shows(int s, const Fraction& shown) const {
        const Fraction half{1, 200};
        if (shown.magnitude().isBelow(Integer(1000000000000))) {
            return compareRoot(s, shown - half) >= 0 && compareRoot(s, shown + half) < 0;
        }
        const Fraction slack = half + Fraction{abs(shown.p), shown.q * 100000000000000};
        return compareRoot(s, shown - slack) >= 0 && compareRoot(s, shown + slack) <= 0;
    }

    bool isBeyondDoubles(int s) const {
        static const Fraction far{powerOfTen(300)};
        return compareRoot(s, far) > 0 || compareRoot(s, -far) < 0;
    }
};

void checkAgainstExactRoots(FuzzedDataProvider& input, QChar point, const NumberFormat& numbers) {
    const auto [a, b, c] =
        input.ConsumeIntegralInRange(0, 3) == 0
            ? nearBoundary(input, point)
            : std::array{makeCoefficient(input, point), makeCoefficient(input, point),
                         makeCoefficient(input, point)};
    const Equation equation(a, b, c);
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

// A text's meaning by the rule written as one pattern, which the program's reader must agree with.
std::optional<TypedNumber> meaning(const QString& text, QChar point) {
    static const QString pattern = QStringLiteral(
        "^[ \\t]*([-+\\x{2212}]?)([0-9]*)(?:%1([0-9]*))?(?:[eE]([-+\\x{2212}]?)([0-9]+))?[ \\t]*$");
    static const QRegularExpression pointPattern(pattern.arg(QStringLiteral("\\.")));
    static const QRegularExpression commaPattern(pattern.arg(QStringLiteral(",")));
    const QRegularExpressionMatch match = (point == u'.' ? pointPattern : commaPattern).match(text);
    const QString whole = match.captured(2);
    const QString fraction = match.captured(3);
    if (!match.hasMatch() || whole.size() + fraction.size() == 0) {
        return std::nullopt;
    }
    const auto isMinus = [](const QString& sign) { return !sign.isEmpty() && sign != u'+'; };
    QString exponent = match.captured(5);
    while (exponent.size() > 1 && exponent.front() == u'0') {
        exponent.remove(0, 1);
    }
    const long long power =
        (exponent.size() > 15 ? 1LL << 40 : std::min(exponent.toLongLong(), 1LL << 40)) *
            (isMinus(match.captured(4)) ? -1 : 1) -
        fraction.size();
    // The nearest double from the C library's own conversion, in the C locale.
    const std::string written = (whole + fraction).toStdString() + 'e' + std::to_string(power);
    errno = 0;
    const double nearest = std::strtod(written.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(nearest)) {
        return std::nullopt;
    }
    std::string digits = (whole + fraction).toStdString();
    const auto last = digits.find_last_not_of('0');
    if (last == std::string::npos) {
        return TypedNumber{};
    }
    const long long trailingZeros = static_cast<long long>(digits.size() - last - 1);
    digits.resize(last + 1);
    digits.erase(0, digits.find_first_not_of('0'));
    return TypedNumber{isMinus(match.captured(1)), digits, power + trailingZeros,
                       isMinus(match.captured(1)) ? -nearest : nearest};
}

void checkFreeTexts(const QString& text, QChar point, const NumberFormat& numbers) {
    QStringList texts = text.split(u'\n');
    texts.resize(std::max<qsizetype>(texts.size(), 3));
    for (const QString& typed : texts) {
        require(numbers.read(typed.toStdString()) == meaning(typed, point));
    }
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
    static const QtNumberFormat english{QLocale(QLocale::English)};
    static const QtNumberFormat german{QLocale(QLocale::German)};
    const QtNumberFormat& numbers = comma ? german : english;
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
