#include "QtNumberFormat.h"

QtNumberFormat::QtNumberFormat(const QLocale& locale)
    : locale_(locale), symbols_{locale.decimalPoint().toStdString(),
                                locale.negativeSign().toStdString(),
                                locale.positiveSign().toStdString()} {}

std::optional<TypedNumber> QtNumberFormat::read(const std::string& text) const {
    return readNumber(text, symbols_);
}

std::string QtNumberFormat::write(double value) const {
    QLocale plain = locale_;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'G', 15).toStdString(); // QLocale writes a negative zero as "0"
}
