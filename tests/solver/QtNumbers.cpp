#include "LocaleNumbers.h"
#include "QtNumberFormat.h"

std::unique_ptr<NumberFormat> localeNumbers(bool german) {
    return std::make_unique<QtNumberFormat>(german ? QLocale(QLocale::German)
                                                   : QLocale(QLocale::English));
}

std::unique_ptr<NumberFormat> userNumbers() {
    return std::make_unique<QtNumberFormat>();
}
