// The number conversions accept, refuse and write exactly what QLocale does, fast path or not.

#include "platform/NumberText.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <random>

namespace {

// QLocale's own verdict, which the program's conversions must reproduce.
std::optional<double> localeVerdict(const QString& text, QLocale locale) {
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    return ok && std::isfinite(value) ? std::optional(value) : std::nullopt;
}

// Every text of up to `length` characters drawn from `alphabet`.
QStringList allTexts(const QString& alphabet, int length) {
    QStringList texts{QString()};
    QStringList last = texts;
    for (int i = 0; i < length; ++i) {
        QStringList longer;
        for (const QString& stem : last) {
            for (const QChar ch : alphabet) {
                longer.append(stem + ch);
            }
        }
        texts += longer;
        last = longer;
    }
    return texts;
}

} // namespace

class NumberTextTest : public QObject {
    Q_OBJECT

private slots:
    void parsesAsLocaleDoes_data();
    void parsesAsLocaleDoes();
    void writesAsLocaleDoes_data();
    void writesAsLocaleDoes();
    void neverWritesNegativeZero();
};

void NumberTextTest::parsesAsLocaleDoes_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("French") << QLocale(QLocale::French, QLocale::France);
    QTest::newRow("C") << QLocale::c();
    QTest::newRow("Arabic (Egypt)") << QLocale(QLocale::Arabic, QLocale::Egypt);
}

void NumberTextTest::parsesAsLocaleDoes() {
    QFETCH(QLocale, locale);
    QStringList texts = allTexts(QStringLiteral("05.,e+-"), 4);
    texts << QStringLiteral(" 1.5 ") << QStringLiteral("\t-2,5\n") << QStringLiteral("1e308")
          << QStringLiteral("1e309") << QStringLiteral("4.9e-324") << QStringLiteral("1e-400")
          << QStringLiteral("1 000") << QStringLiteral("1\u00a0000")
          << QStringLiteral("\u0661\u066b\u0665") << QStringLiteral("-\u0661")
          << QStringLiteral("0.1234567890123456789012345678901234567890") << QString(80, u'9')
          << QStringLiteral("1E5") << QStringLiteral("inf") << QStringLiteral("NaN")
          << QStringLiteral("\u2212"
                            "1");
    for (const QString& text : texts) {
        QCOMPARE(platform::parseNumber(text, locale), localeVerdict(text, locale));
    }
}

void NumberTextTest::writesAsLocaleDoes_data() {
    parsesAsLocaleDoes_data();
}

void NumberTextTest::writesAsLocaleDoes() {
    QFETCH(QLocale, locale);
    QLocale reference = locale;
    reference.setNumberOptions(QLocale::OmitGroupSeparator);
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-3, 20);
    // Exact binary ties at the 16th digit, where rounding rules could part ways.
    for (const double tie : {-640005629861668.5, 1234567890123.125, 0.1000000000000005}) {
        QCOMPARE(platform::formatNumber(tie, locale), reference.toString(tie, 'G', 15));
    }
    for (int i = 0; i < 20000; ++i) {
        const double hundredths = std::floor(mantissa(random) * std::pow(10.0, exponent(random)));
        const double value = hundredths / 100.0;
        QCOMPARE(platform::formatNumber(value, locale), reference.toString(value, 'G', 15));
    }
}

void NumberTextTest::neverWritesNegativeZero() {
    QCOMPARE(platform::formatNumber(-0.0, QLocale::c()), QStringLiteral("0"));
    QCOMPARE(platform::formatNumber(-0.0, QLocale(QLocale::Arabic, QLocale::Egypt)),
             QLocale(QLocale::Arabic, QLocale::Egypt).toString(0));
}

QTEST_GUILESS_MAIN(NumberTextTest)
#include "NumberTextTest.moc"
