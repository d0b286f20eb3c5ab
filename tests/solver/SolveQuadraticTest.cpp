// The root calculation: what it shows for each case, and for equations built from known roots,
// under a decimal point and a decimal comma.

#include "solver/SolveQuadratic.h"
#include "solver/OutcomeMessage.h"

#include <QLocale>
#include <QTest>

#include <algorithm>

namespace {

struct Case {
    QString name, a, b, c;
    QString shown; // both roots, or the message's first word and any first root kept
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
    {"half a cent from inexact decimals", "0.8", "-3.5", "1.2", "4 0.38"},
    {"blanks, signs, exponents", " +1 ", "-3E0 ", " 2e0", "2 1"},
    {"no real roots", "1", "0", "1", "There"},
    {"a = 0", "0", "2", "1", "Please do"},
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
    {"subnormal coefficients", "4.9e-324", "0", "-4.9e-324", "1 -1"},
    {"scientific from 1e15", "1", "-1e15", "0", "1E+15 0"},
    {"fifteen digits", "1", "-123456789012.345", "0", "123456789012.35 0"},
    {"a megabyte of digits", ones, "0", "-1", "Please do"},
    {"a megabyte after the point", "1." + ones, "0", "-1", "0.95 -0.95"},
    {"embedded NUL", QString::fromUtf8("1\0 2", 4), "0", "-1", "Please do"},
    {"infinity", "inf", "0", "-1", "Please do"},
    {"beyond the largest double", "1e309", "0", "-1", "Please do"},
    {"below the smallest double", "1e-400", "0", "-1", "Please do"},
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
QString local(QString text, bool comma) {
    for (QChar& ch : text) {
        ch = !comma ? ch : ch == u'.' ? u',' : ch == u',' ? u'.' : ch;
    }
    return text;
}

__extension__ typedef __int128 Big; // wide enough to build every case exactly

// A count of 10^-12 as a decimal text, without trailing zeros.
QString decimal(Big units) {
    QString digits;
    for (Big rest = units < 0 ? -units : units; rest > 0 || digits.size() < 13; rest /= 10) {
        digits.prepend(QChar(u'0' + int(rest % 10)));
    }
    digits.insert(digits.size() - 12, u'.');
    while (digits.endsWith(u'0')) {
        digits.chop(1);
    }
    digits.chop(digits.endsWith(u'.') ? 1 : 0);
    return units < 0 ? u'-' + digits : digits;
}

// Equations built from chosen roots r1 = u1/per and r2 = u2/per and typed exactly as a = a10/10,
// -a(r1 + r2) and a*r1*r2 (+ a nudge), with the exact answer floor(100r + 1/2): roots on
// half-cents, where a hair below would round the other way; nearly equal roots from 10^3 to
// 10^7; discriminants a hair above and below zero.
std::vector<Case> exactCases() {
    const Big unit = 100000000000; // a tenth, in the 10^-12 units that decimal() writes
    std::vector<Case> built;
    const auto add = [&](Big a10, Big u1, Big u2, Big per, Big nudge = 0) {
        const auto rounded = [&](Big u) {
            const Big n = 200 * u + per;
            return decimal((n >= 0 ? n / (2 * per) : -((2 * per - 1 - n) / (2 * per))) * unit / 10);
        };
        const Big plus = (a10 > 0) == (u1 > u2) ? u1 : u2, minus = plus == u1 ? u2 : u1;
        built.push_back({"built from its roots", decimal(a10 * unit),
                         decimal(-a10 * (u1 + u2) * (unit / per)),
                         decimal(a10 * u1 * u2 * (unit / per / per) + nudge),
                         nudge > 0 ? "There" : rounded(plus) + u' ' + rounded(minus)});
    };
    const Big halfCents[] = {-151, -75, -3, 1, 7, 75, 299};
    for (const Big a10 : {8, -8, 25, -10, 30}) {
        for (const Big u1 : halfCents) {
            for (const Big u2 : halfCents) {
                add(a10, u1, u2, 200);
            }
        }
    }
    for (Big n = 100000; n <= 1000000000; n *= 10) {
        for (const Big a10 : {10, -10, 30}) {
            add(a10, n + 12, n + 51, 100);
            add(a10, n - 7, n + 7, 100);
        }
        add(10, n, n + 1, 100, -1);       // D a hair above (0.01)^2: the same roots
        add(10, n, n + 1, 100, 30000000); // D a hair below zero
    }
    return built;
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
        std::vector<Case> all(std::begin(cases), std::end(cases));
        std::ranges::copy(exactCases(), std::back_inserter(all));
        for (const Case& c : all) {
            const QString got =
                shown(SolveQuadratic(local(c.a, comma), local(c.b, comma), local(c.c, comma)));
            QVERIFY2(got == local(c.shown, comma),
                     qPrintable(c.name + u' ' + c.a + u' ' + c.b + u' ' + c.c + ": " + got));
        }
    }
};

QTEST_GUILESS_MAIN(SolveQuadraticTest)
#include "SolveQuadraticTest.moc"
