// The root calculation: what it shows for each case under a decimal point and a decimal comma,
// and the textbook formula on an integer grid.

#include "solver/SolveQuadratic.h"
#include "solver/OutcomeMessage.h"

#include <QLocale>
#include <QTest>

#include <cmath>

namespace {

struct Case {
    const char* name;
    QString a, b, c;
    const char* shown; // both roots, or the message's first word and any first root kept
};

const QString ones(1 << 20, u'1');
const Case cases[] = {
    {"two whole roots", "1", "-3", "2", "2 1"},
    {"worked example", "1", "14", "45", "-5 -9"},
    {"zero discriminant", "1", "2", "1", "-1 -1"},
    {"irrational roots", "1", "0", "-2", "1.41 -1.41"},
    {"negative a: smaller root first", "-1", "0", "4", "-2 2"},
    {"floor rounds -0.125 down", "8", "1", "0", "0 -0.12"},
    {"floor rounds +0.125 up", "8", "-1", "0", "0.13 0"},
    {"decimals", "2", "-3", "1", "1 0.5"},
    {"blanks, signs, exponents", " +1 ", "-3E0 ", " 2e0", "2 1"},
    {"no real roots", "1", "0", "1", "There"},
    {"a = 0", "0", "2", "1", "Please do"},
    {"all zero", "0", "0", "0", "Please do"},
    {"b not a number", "1", "x", "1", "Please do"},
    {"a single blank", " ", "1", "1", "Please do"},
    {"group separator", "1,000", "0", "-1", "Please do"},
    {"empty a, others not numbers", "", "x", "y", "Please enter"},
    {"empty b", "1", "", "1", "Please enter"},
    {"empty c", "x", "1", "", "Please enter"},
    {"discriminant overflows", "1", "1e200", "1", "Please do"},
    {"4a overflows", "1e308", "1", "0", "Please do"},
    {"first root beyond range", "1e-307", "-1", "0", "Please do"},
    {"second root beyond range", "1e-307", "1", "0", "Please do 0"},
    {"cancelling root", "0.00000001", "100000000", "50000000", "-0.5 -1E+16"},
    {"cancelling root, b < 0", "0.00000001", "-100000000", "5e7", "1E+16 0.5"},
    {"tiny coefficients", "1E-200", "-3E-200", "2E-200", "2 1"},
    {"tiny, no real roots", "1E-200", "1E-200", "1E-200", "There"},
    {"subnormal coefficients", "4.9e-324", "0", "-4.9e-324", "1 -1"},
    {"scientific from 1e15", "1", "-1e15", "0", "1E+15 0"},
    {"fifteen digits", "1", "-123456789012.345", "0", "123456789012.35 0"},
    {"a megabyte of digits", ones, "0", "-1", "Please do"},
    {"a megabyte after the point", "1." + ones, "0", "-1", "0.95 -0.95"},
    {"embedded NUL", QString::fromUtf8("1\0 2", 4), "0", "-1", "Please do"},
    {"Arabic-Indic digit", "\u0661", "0", "-1", "Please do"},
    {"only signs", "+-+-", "0", "-1", "Please do"},
    {"infinity", "inf", "0", "-1", "Please do"},
    {"not a number", "nan", "0", "-1", "Please do"},
    {"beyond the largest double", "1e309", "0", "-1", "Please do"},
    {"below the smallest double", "1e-400", "0", "-1", "Please do"},
    {"hexadecimal", "0x10", "0", "-1", "Please do"},
};

QString shown(const SolveOutcome& outcome) {
    QStringList words;
    if (const auto message = messageFor(outcome.kind)) {
        words << message->section(u' ', 0, outcome.kind == SolveKind::NoRealRoots ? 0 : 1);
    }
    for (const auto& root : {outcome.firstRoot, outcome.secondRoot}) {
        words << root.value_or(QString());
    }
    return words.join(u' ').trimmed();
}

// The decimal-comma texts are the decimal-point ones with '.' and ',' swapped.
QString swapped(QString text) {
    for (QChar& ch : text) {
        ch = ch == u'.' ? u',' : ch == u',' ? u'.' : ch;
    }
    return text;
}

} // namespace

class SolveQuadraticTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void showsWhatEachCaseNeeds_data() {
        QTest::addColumn<bool>("comma");
        QTest::newRow("en_US") << false;
        QTest::newRow("de_DE") << true;
    }
    void showsWhatEachCaseNeeds() {
        QFETCH(bool, comma);
        QLocale::setDefault(comma ? QLocale(QLocale::German) : QLocale(QLocale::English));
        const auto local = [comma](const QString& text) { return comma ? swapped(text) : text; };
        for (const Case& c : cases) {
            const QString got = shown(SolveQuadratic(local(c.a), local(c.b), local(c.c)));
            QVERIFY2(got == local(c.shown), qPrintable(c.name + (": " + got)));
        }
    }

    void messages() {
        QCOMPARE(messageFor(SolveKind::MissingInput),
                 QStringLiteral("Please enter a number into all of the boxes."));
        QCOMPARE(messageFor(SolveKind::NoRealRoots),
                 QStringLiteral("There are no roots.  The Curve does not go below the x-Axis"));
        QCOMPARE(messageFor(SolveKind::Failed),
                 QStringLiteral("Please do not mess around with this program.  If you are not "
                                "going to use it responsibly, you should not use it at all."));
        QVERIFY(!messageFor(SolveKind::Solved));
    }

    // The steps as first written: power operations, no protection against cancellation.
    void matchesTextbookFormulaOnIntegers() {
        const auto rounded = [](double r) {
            return QString::number(std::floor(std::pow(10.0, 2.0) * r + 0.5) / 100, 'g', 15);
        };
        for (int a = -20; a <= 20; ++a) {
            for (int b = -20; b <= 20; ++b) {
                for (int c = -20; c <= 20; ++c) {
                    const double d = std::pow(b, 2.0) - (4.0 * a) * c;
                    const QString expected = a == 0 ? "Please do"
                                             : d < 0
                                                 ? "There"
                                                 : rounded((-b + std::sqrt(d)) / (a + a)) + u' ' +
                                                       rounded((-b - std::sqrt(d)) / (a + a));
                    const SolveOutcome got =
                        SolveQuadratic(QString::number(a), QString::number(b), QString::number(c));
                    QVERIFY2(shown(got) == expected,
                             qPrintable(QStringLiteral("%1 %2 %3").arg(a).arg(b).arg(c)));
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(SolveQuadraticTest)
#include "SolveQuadraticTest.moc"
