#include "NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace platform {

namespace {

// What the conversions need to know of a locale. Finding it out allocates, and the caller's
// locale rarely changes, so it is kept until the locale does.
struct LocaleForms {
    QLocale source = QLocale::c();
    QLocale strict = QLocale::c(); // parses without group separators
    QLocale plain = QLocale::c();  // writes without group separators
    char16_t decimalPoint = u'.';
    // Latin digits, '-', '+' and 'e': then the standard library's exact conversions produce the
    // same texts and numbers as QLocale, many times faster.
    bool latinForms = true;
};

const LocaleForms& formsOf(const QLocale& locale) {
    thread_local LocaleForms forms;
    if (forms.source != locale) {
        forms.source = locale;
        forms.strict = locale;
        forms.strict.setNumberOptions(QLocale::RejectGroupSeparator);
        forms.plain = locale;
        forms.plain.setNumberOptions(QLocale::OmitGroupSeparator);
        const QString point = locale.decimalPoint();
        forms.decimalPoint = point.size() == 1 ? point.front().unicode() : u'\0';
        forms.latinForms = forms.decimalPoint != u'\0' && locale.zeroDigit() == u"0" &&
                           locale.negativeSign() == u"-" && locale.positiveSign() == u"+" &&
                           locale.exponential().compare(u"e", Qt::CaseInsensitive) == 0;
    }
    return forms;
}

enum class Plain { NotPlain, Invalid, Number };

// Texts made only of Latin digits, signs, 'e' and the decimal point go through from_chars;
// everything else (other separators, other scripts) is left to QLocale.
Plain parsePlain(QStringView text, char16_t decimalPoint, double& value) {
    constexpr qsizetype longest = 64;
    if (text.size() > longest) {
        return Plain::NotPlain;
    }
    std::array<char, longest> ascii{};
    qsizetype length = 0;
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u == decimalPoint) {
            ascii[length++] = '.';
        } else if ((u >= u'0' && u <= u'9') || u == u'-' || u == u'+' || u == u'e' || u == u'E') {
            ascii[length++] = static_cast<char>(u);
        } else {
            return Plain::NotPlain;
        }
    }
    const char* begin = ascii.data();
    const char* end = begin + length;
    // from_chars takes no leading plus; a second sign after it must still fail.
    if (length > 1 && *begin == '+' && begin[1] != '-' && begin[1] != '+') {
        ++begin;
    }
    const auto [stop, error] = std::from_chars(begin, end, value, std::chars_format::general);
    return error == std::errc() && stop == end && std::isfinite(value) ? Plain::Number
                                                                       : Plain::Invalid;
}

// Digits of the shortest text that reads back as `value`. Up to 15 of them, the 15-digit text
// needs no rounding, so the standard library and QLocale cannot differ on how to break a tie.
std::ptrdiff_t shortestDigitCount(double value) {
    std::array<char, 32> text{};
    const auto result =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::scientific);
    const char* digitsEnd = std::find(text.data(), result.ptr, 'e');
    const char* digitsBegin = text.data() + (value < 0 ? 1 : 0);
    return digitsEnd - digitsBegin - (std::find(digitsBegin, digitsEnd, '.') != digitsEnd ? 1 : 0);
}

} // namespace

std::optional<double> parseNumber(const QString& text, const QLocale& locale) {
    const LocaleForms& forms = formsOf(locale);
    const QString trimmed = text.trimmed();
    double value = 0.0;
    if (forms.latinForms) {
        switch (parsePlain(trimmed, forms.decimalPoint, value)) {
        case Plain::Number:
            return value;
        case Plain::Invalid:
            return std::nullopt;
        case Plain::NotPlain:
            break;
        }
    }
    bool ok = false;
    value = forms.strict.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

QString formatNumber(double value, const QLocale& locale) {
    const LocaleForms& forms = formsOf(locale);
    // A negative zero is still zero to the user.
    const double shown = value == 0.0 ? 0.0 : value;
    if (!forms.latinForms || shortestDigitCount(shown) > 15) {
        return forms.plain.toString(shown, 'G', 15);
    }
    std::array<char, 32> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), shown,
                                      std::chars_format::general, 15);
    QString text = QString::fromLatin1(digits.data(), result.ptr - digits.data());
    for (QChar& ch : text) {
        if (ch == u'.') {
            ch = QChar(forms.decimalPoint);
        } else if (ch == u'e') {
            ch = u'E';
        }
    }
    return text;
}

} // namespace platform
