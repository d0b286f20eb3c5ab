#include "QtNumberFormat.h"

#include <algorithm>

namespace {

// Whether a text is a number does not depend on how many digits each run of digits has, so this
// copy, with every run cut to its first digit, is a number exactly when the text is one, but
// never leaves the range of a double.
QString shapeOf(const QString& text) {
    QString shape;
    shape.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!text[i].isDigit() || i == 0 || !text[i - 1].isDigit()) {
            shape.append(text[i]);
        }
    }
    return shape;
}

} // namespace

QtNumberFormat::QtNumberFormat(const QLocale& locale) : locale_(locale) {}

std::optional<TypedNumber> QtNumberFormat::read(const std::string& utf8) const {
    const QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    QLocale strict = locale_;
    strict.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const QString trimmed = text.trimmed();
    // QLocale decides on the short copy: reading the whole text would take time in proportion to
    // its length, and refuse a number beyond the range of a double that is still a number.
    strict.toDouble(shapeOf(trimmed), &ok);
    if (!ok) {
        return std::nullopt;
    }
    // The text is known to be a number here, so its pieces are simply collected: digits before
    // the exponent marker, the decimal separator, and the exponent's digits and sign.
    const QString point = locale_.decimalPoint();
    const QString minus = locale_.negativeSign();
    const QString plus = locale_.positiveSign();
    const auto isMinus = [&](QChar ch) {
        return ch == u'-' || ch == QChar(0x2212) || minus.contains(ch);
    };
    TypedNumber number{false, {}, 0, 0};
    bool afterPoint = false;
    bool inExponent = false;
    bool exponentNegative = false;
    long long exponent = 0;       // as written after the marker
    long long digitsExponent = 0; // of the last digit collected
    for (const QChar ch : trimmed) {
        const int digit = ch.digitValue();
        if (inExponent) {
            exponentNegative = exponentNegative || isMinus(ch);
            exponent = digit < 0 ? exponent : std::min(exponent * 10 + digit, 1LL << 40);
        } else if (digit >= 0) {
            if (digit > 0 || !number.digits.empty()) {
                number.digits.push_back(static_cast<char>('0' + digit));
            }
            digitsExponent -= afterPoint ? 1 : 0;
        } else if (point.contains(ch)) {
            afterPoint = true;
        } else if (isMinus(ch)) {
            number.negative = true;
        } else if (ch != u'+' && !plus.contains(ch)) {
            inExponent = true; // the exponent marker
        }
    }
    const auto significantEnd = number.digits.find_last_not_of('0');
    if (significantEnd == std::string::npos) {
        return TypedNumber{};
    }
    const auto trailingZeros = static_cast<long long>(number.digits.size() - significantEnd - 1);
    number.digits.resize(significantEnd + 1);
    digitsExponent += trailingZeros;
    number.exponent = digitsExponent + (exponentNegative ? -exponent : exponent);
    // Above the largest double the text is refused; below the smallest it is still a number.
    const std::optional<double> nearest = nearestDouble(number);
    if (!nearest) {
        return std::nullopt;
    }
    number.nearest = *nearest;
    return number;
}

std::string QtNumberFormat::write(double value) const {
    QLocale plain = locale_;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'G', 15).toStdString(); // QLocale writes a negative zero as "0"
}
