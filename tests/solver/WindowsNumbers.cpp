#include "LocaleNumbers.h"
#include "WindowsNumberFormat.h"

std::unique_ptr<NumberFormat> localeNumbers(bool german) {
    return std::make_unique<WindowsNumberFormat>(german ? 0x0407 : 0x0409); // de-DE, en-US
}

std::unique_ptr<NumberFormat> userNumbers() {
    return std::make_unique<WindowsNumberFormat>();
}
