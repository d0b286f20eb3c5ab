// Shown roots against a 113-bit reference, and against the plain formula where that one is sound.

#include "platform/NumberText.h"
#include "solver/SolveQuadratic.h"

#include <QLocale>
#include <QTest>

#include <quadmath.h>

#include <cfloat>
#include <cmath>
#include <random>

namespace {

using Wide = __float128;
const Wide doubleEpsilon = 0x1p-53;

struct Coefficients {
    double a;
    double b;
    double c;
};

struct Reference {
    bool kindCertain; // false when the discriminant's sign is within a double's rounding of it
    bool realRoots;
    bool overflows = false; // the discriminant leaves the double range, which is a failure
    Wide plus = 0;
    Wide minus = 0;
    Wide relativeError = 0; // what a double computation of these roots may honestly be off by
};

Wide wideAbs(Wide x) {
    return x < 0 ? -x : x;
}

// The products b*b and 4ac are exact in 113 bits, so the discriminant is rounded once.
Reference referenceFor(const Coefficients& k) {
    const Wide a = k.a;
    const Wide b = k.b;
    const Wide c = k.c;
    const Wide d = b * b - 4 * a * c;
    const Wide doubleError = 4 * doubleEpsilon * (b * b + wideAbs(4 * a * c));
    Reference ref{wideAbs(d) > doubleError, d >= 0};
    const Wide largest = DBL_MAX;
    ref.overflows = b * b > largest || wideAbs(4 * a) > largest || wideAbs(4 * a * c) > largest ||
                    wideAbs(d) > largest;
    if (!ref.realRoots) {
        return ref;
    }
    const Wide s = sqrtq(d);
    const Wide sum = b >= 0 ? b + s : b - s;
    if (sum == 0) {
        return ref; // b = 0 and c = 0: both roots are zero
    }
    const Wide q = -sum / 2;
    const Wide rootError =
        s > 0 ? fminq(sqrtq(doubleError), doubleError / (2 * s)) : sqrtq(doubleError);
    ref.relativeError =
        (wideAbs(b) * doubleEpsilon + rootError) / wideAbs(sum) + 16 * doubleEpsilon;
    ref.plus = b >= 0 ? c / q : q / a;
    ref.minus = b >= 0 ? q / a : c / q;
    return ref;
}

QString exactText(double x) {
    return QString::number(x, 'g', 17);
}

double power10(std::mt19937_64& random, int low, int high) {
    return std::pow(10.0, std::uniform_real_distribution<double>(low, high)(random));
}

double randomSign(std::mt19937_64& random) {
    return (random() & 1U) != 0 ? 1.0 : -1.0;
}

// The steps as first written: power operations and no protection against cancellation.
SolveOutcome plainFormula(double a, double b, double c) {
    const double d = std::pow(b, 2.0) - (4 * a) * c;
    if (d < 0) {
        return {SolveKind::NoRealRoots, std::nullopt, std::nullopt};
    }
    const auto rounded = [](double r) {
        return platform::formatNumber(std::floor(std::pow(10.0, 2.0) * r + 0.5) /
                                      std::pow(10.0, 2.0));
    };
    return {SolveKind::Solved, rounded((-b + std::pow(d, 0.5)) / (a + a)),
            rounded((-b - std::pow(d, 0.5)) / (a + a))};
}

} // namespace

class SolveAccuracyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void agreesWithWideReference_data();
    void agreesWithWideReference();
    void matchesPlainFormulaOnOrdinaryInput();
};

void SolveAccuracyTest::agreesWithWideReference_data() {
    QTest::addColumn<int>("family");
    QTest::newRow("random coefficients, 1e-6 to 1e6") << 0;
    QTest::newRow("roots far apart (cancellation)") << 1;
    QTest::newRow("nearly equal roots") << 2;
    QTest::newRow("tiny and huge scales") << 3;
}

void SolveAccuracyTest::agreesWithWideReference() {
    QFETCH(int, family);
    std::mt19937_64 random(20261206U + static_cast<unsigned>(family));
    const auto draw = [&]() -> Coefficients {
        switch (family) {
        case 0:
            return {randomSign(random) * power10(random, -6, 6),
                    randomSign(random) * power10(random, -6, 6),
                    randomSign(random) * power10(random, -6, 6)};
        case 1:
        case 2: {
            const double a = randomSign(random) * power10(random, -8, 8);
            const double r1 = randomSign(random) * power10(random, -3, 3);
            const double r2 = family == 1 ? randomSign(random) * power10(random, 5, 14)
                                          : r1 * (1 + power10(random, -6, -2));
            return {a, -a * (r1 + r2), a * r1 * r2};
        }
        default: {
            const double scale =
                std::pow(10.0, std::uniform_int_distribution<int>(-300, 290)(random));
            return {randomSign(random) * scale, randomSign(random) * scale * power10(random, 0, 2),
                    randomSign(random) * scale * power10(random, -2, 0)};
        }
        }
    };
    int checked = 0;
    constexpr int cases = 20000;
    for (int i = 0; i < cases; ++i) {
        const Coefficients k = draw();
        const Reference ref = referenceFor(k);
        if (!ref.kindCertain) {
            continue;
        }
        const SolveOutcome got = SolveQuadratic(exactText(k.a), exactText(k.b), exactText(k.c));
        const QByteArray where = QStringLiteral("a=%1 b=%2 c=%3")
                                     .arg(exactText(k.a), exactText(k.b), exactText(k.c))
                                     .toLatin1();
        if (ref.overflows) {
            QVERIFY2(got.kind == SolveKind::Failed, where.constData());
            ++checked;
            continue;
        }
        if (!ref.realRoots) {
            QVERIFY2(got.kind == SolveKind::NoRealRoots, where.constData());
            ++checked;
            continue;
        }
        QVERIFY2(got.kind == SolveKind::Solved, where.constData());
        const auto shownOff = [&](const QString& text, Wide exact) {
            const Wide shown = *platform::parseNumber(text, QLocale::c());
            // Half a hundredth for the rounding, half a unit in the 15th digit for the display.
            const Wide allowed =
                Wide(0.005) + wideAbs(exact) * (ref.relativeError + Wide(5e-15)) + Wide(1e-12);
            return wideAbs(shown - exact) > allowed;
        };
        QVERIFY2(!shownOff(*got.firstRoot, ref.plus),
                 (where + " first " + got.firstRoot->toLatin1()).constData());
        QVERIFY2(!shownOff(*got.secondRoot, ref.minus),
                 (where + " second " + got.secondRoot->toLatin1()).constData());
        ++checked;
    }
    // Nearly every drawn equation must have been judged, or the test proves little.
    QVERIFY2(checked > cases * 9 / 10, QByteArray::number(checked).constData());
}

void SolveAccuracyTest::matchesPlainFormulaOnOrdinaryInput() {
    constexpr int range = 20;
    for (int a = -range; a <= range; ++a) {
        if (a == 0) {
            continue;
        }
        for (int b = -range; b <= range; ++b) {
            for (int c = -range; c <= range; ++c) {
                const SolveOutcome plain = plainFormula(a, b, c);
                const SolveOutcome got =
                    SolveQuadratic(QString::number(a), QString::number(b), QString::number(c));
                const QByteArray where = QStringLiteral("%1 %2 %3").arg(a).arg(b).arg(c).toLatin1();
                QVERIFY2(got.kind == plain.kind, where.constData());
                QVERIFY2(got.firstRoot == plain.firstRoot, where.constData());
                QVERIFY2(got.secondRoot == plain.secondRoot, where.constData());
            }
        }
    }
}

QTEST_GUILESS_MAIN(SolveAccuracyTest)
#include "SolveAccuracyTest.moc"
