// The root calculation's outcomes, texts and failure rule, under a decimal point and a decimal
// comma.

#include "solver/SolveQuadratic.h"
#include "solver/OutcomeMessage.h"

#include <QLocale>
#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(SolveKind)

namespace {

constexpr auto none = "<none>";

QString optionalText(const std::optional<QString>& text) {
    return text.value_or(QString::fromLatin1(none));
}

// The decimal-comma rows are the decimal-point rows with '.' and ',' swapped.
QString swapSeparators(QString text) {
    for (QChar& ch : text) {
        if (ch == u'.') {
            ch = u',';
        } else if (ch == u',') {
            ch = u'.';
        }
    }
    return text;
}

} // namespace

class SolveQuadraticTest : public QObject {
    Q_OBJECT

private:
    static void outcomeRows();
    static void checkRow(bool decimalComma);

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void decimalPoint_data() { outcomeRows(); }
    void decimalPoint() { checkRow(false); }
    void decimalComma_data() { outcomeRows(); }
    void decimalComma() { checkRow(true); }

    void hostileTexts_data();
    void hostileTexts();
    void everyFailingKindHasItsOwnMessage();
};

void SolveQuadraticTest::outcomeRows() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("c");
    QTest::addColumn<SolveKind>("kind");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    using K = SolveKind;
    const auto row = [](const char* name, const char* a, const char* b, const char* c, K kind,
                        const char* first = none, const char* second = none) {
        QTest::newRow(name) << QString::fromUtf8(a) << QString::fromUtf8(b) << QString::fromUtf8(c)
                            << kind << QString::fromUtf8(first) << QString::fromUtf8(second);
    };
    row("two whole roots", "1", "-3", "2", K::Solved, "2", "1");
    row("worked example", "1", "14", "45", K::Solved, "-5", "-9");
    row("zero discriminant gives equal roots", "1", "2", "1", K::Solved, "-1", "-1");
    row("irrational roots rounded", "1", "0", "-2", K::Solved, "1.41", "-1.41");
    row("negative a puts the smaller root first", "-1", "0", "4", K::Solved, "-2", "2");
    row("floor rounding of -0.125", "8", "1", "0", K::Solved, "0", "-0.12");
    row("half rounds up for +0.125", "8", "-1", "0", K::Solved, "0.13", "0");
    row("negative a and b", "-8", "-1", "0", K::Solved, "-0.12", "0");
    row("decimals in and out", "2", "-3", "1", K::Solved, "1", "0.5");
    row("blanks, signs and exponents", " +1 ", "-3E0 ", " 2e0", K::Solved, "2", "1");
    row("no real roots", "1", "0", "1", K::NoRealRoots);
    row("a zero with real-looking roots", "0", "2", "1", K::Failed);
    row("all zero", "0", "0", "0", K::Failed);
    row("a zero and b zero", "0", "0", "-1", K::Failed);
    row("b not a number", "1", "x", "1", K::Failed);
    row("a single blank", " ", "1", "1", K::Failed);
    row("group separator refused", "1,000", "0", "-1", K::Failed);
    row("empty a, others not numbers", "", "x", "y", K::MissingInput);
    row("empty b", "1", "", "1", K::MissingInput);
    row("empty c", "x", "1", "", K::MissingInput);
    row("all empty", "", "", "", K::MissingInput);
    row("discriminant overflows", "1", "1e200", "1", K::Failed);
    row("4a overflows", "1e308", "1", "0", K::Failed);
    row("first root beyond range", "1e-307", "-1", "0", K::Failed);
    row("second root beyond range keeps the first", "1e-307", "1", "0", K::Failed, "0");
    row("cancelling root keeps its digits", "0.00000001", "100000000", "50000000", K::Solved,
        "-0.5", "-1E+16");
    row("cancelling root with negative b", "0.00000001", "-100000000", "50000000", K::Solved,
        "1E+16", "0.5");
    row("tiny coefficients do not underflow", "1E-200", "-3E-200", "2E-200", K::Solved, "2", "1");
    row("tiny coefficients without roots", "1E-200", "1E-200", "1E-200", K::NoRealRoots);
    row("subnormal coefficients", "4.9e-324", "0", "-4.9e-324", K::Solved, "1", "-1");
    row("large roots switch to scientific", "1", "-1e15", "0", K::Solved, "1E+15", "0");
    row("fifteen digits below 1e15", "1", "-123456789012.345", "0", K::Solved, "123456789012.35",
        "0");
}

void SolveQuadraticTest::checkRow(bool decimalComma) {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, c);
    QFETCH(SolveKind, kind);
    QFETCH(QString, first);
    QFETCH(QString, second);
    if (decimalComma) {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        a = swapSeparators(a);
        b = swapSeparators(b);
        c = swapSeparators(c);
        first = swapSeparators(first);
        second = swapSeparators(second);
    }
    const SolveOutcome outcome = SolveQuadratic(a, b, c);
    QCOMPARE(outcome.kind, kind);
    QCOMPARE(optionalText(outcome.firstRoot), first);
    QCOMPARE(optionalText(outcome.secondRoot), second);
}

void SolveQuadraticTest::hostileTexts_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<SolveKind>("kind");
    const QString megabyteOfOnes(1 << 20, u'1');
    QTest::newRow("a megabyte of digits overflows") << megabyteOfOnes << SolveKind::Failed;
    QTest::newRow("a megabyte after the point")
        << (QStringLiteral("1.") + megabyteOfOnes) << SolveKind::Solved;
    QTest::newRow("a megabyte of zeros then a digit")
        << (QStringLiteral("0.") + QString(1 << 20, u'0') + u'1') << SolveKind::Failed;
    QTest::newRow("embedded NUL") << QString::fromUtf8("1\0 2", 4) << SolveKind::Failed;
    QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("\u0661") << SolveKind::Failed;
    QTest::newRow("fullwidth digit") << QString::fromUtf8("\uFF11") << SolveKind::Failed;
    QTest::newRow("only signs") << QStringLiteral("+-+-") << SolveKind::Failed;
    QTest::newRow("only separators") << QStringLiteral(".,.,") << SolveKind::Failed;
    QTest::newRow("infinity") << QStringLiteral("inf") << SolveKind::Failed;
    QTest::newRow("not a number") << QStringLiteral("nan") << SolveKind::Failed;
    QTest::newRow("beyond the largest double") << QStringLiteral("1e309") << SolveKind::Failed;
    QTest::newRow("below the smallest double") << QStringLiteral("1e-400") << SolveKind::Failed;
    QTest::newRow("largest double overflows 4a")
        << QStringLiteral("1.7976931348623157e308") << SolveKind::Failed;
    QTest::newRow("a quarter of the largest double")
        << QStringLiteral("4.4e307") << SolveKind::Solved;
    QTest::newRow("hexadecimal") << QStringLiteral("0x10") << SolveKind::Failed;
    QTest::newRow("exponent without digits") << QStringLiteral("1e") << SolveKind::Failed;
}

// Each hostile text stands as a, with b = 0 and c = -1: x^2 = 1/a when a parses.
void SolveQuadraticTest::hostileTexts() {
    QFETCH(QString, a);
    QFETCH(SolveKind, kind);
    const SolveOutcome outcome = SolveQuadratic(a, QStringLiteral("0"), QStringLiteral("-1"));
    QCOMPARE(outcome.kind, kind);
    if (kind == SolveKind::Solved) {
        const double root = outcome.firstRoot->toDouble();
        QCOMPARE(outcome.secondRoot->toDouble(), -root);
        QVERIFY(root >= 0.0 && root <= 1.0);
    }
}

void SolveQuadraticTest::everyFailingKindHasItsOwnMessage() {
    const auto missing = messageFor(SolveKind::MissingInput);
    const auto noRoots = messageFor(SolveKind::NoRealRoots);
    const auto failed = messageFor(SolveKind::Failed);
    QVERIFY(missing && noRoots && failed);
    QCOMPARE(*missing, QStringLiteral("Please enter a number into all of the boxes."));
    QCOMPARE(*noRoots,
             QStringLiteral("There are no roots.  The Curve does not go below the x-Axis"));
    QCOMPARE(*failed, QStringLiteral("Please do not mess around with this program.  If you are not "
                                     "going to use it responsibly, you should not use it at all."));
    QVERIFY(!messageFor(SolveKind::Solved));
}

QTEST_GUILESS_MAIN(SolveQuadraticTest)
#include "SolveQuadraticTest.moc"
