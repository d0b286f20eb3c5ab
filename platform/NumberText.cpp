#include "NumberText.h"

#include <cmath>

namespace platform {

std::optional<double> parseNumber(const QString& text, const QLocale& locale) {
    QLocale strict = locale;
    strict.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = strict.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

QString formatNumber(double value, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    // A negative zero is still zero to the user.
    return plain.toString(value == 0.0 ? 0.0 : value, 'G', 15);
}

} // namespace platform
