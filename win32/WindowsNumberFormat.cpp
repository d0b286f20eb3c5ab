#include "WindowsNumberFormat.h"

#include "LateBinding.h"
#include "Utf16.h"

#include <windows.h>

#include <oleauto.h>

#include <string>

namespace {

// oleaut32 is loaded on the first root written, not while the program starts.
template <typename Function> Function* oleAutomation(const char* name) {
    return os::lateBound<Function>(L"oleaut32.dll", name);
}

std::string localeText(LCID locale, LCTYPE what) {
    wchar_t text[16] = {};
    GetLocaleInfoW(locale, what, text, 16);
    return win32::utf8(text);
}

} // namespace

WindowsNumberFormat::WindowsNumberFormat(unsigned long locale)
    : locale_(locale), symbols_{localeText(locale, LOCALE_SDECIMAL),
                                localeText(locale, LOCALE_SNEGATIVESIGN),
                                localeText(locale, LOCALE_SPOSITIVESIGN)} {}

std::optional<TypedNumber> WindowsNumberFormat::read(const std::string& text) const {
    return readNumber(text, symbols_);
}

std::string WindowsNumberFormat::write(double value) const {
    static const auto toText = oleAutomation<decltype(VarBstrFromR8)>("VarBstrFromR8");
    static const auto length = oleAutomation<decltype(SysStringLen)>("SysStringLen");
    static const auto release = oleAutomation<decltype(SysFreeString)>("SysFreeString");
    BSTR text = nullptr;
    if (toText == nullptr || length == nullptr || release == nullptr ||
        toText(value == 0 ? 0.0 : value, locale_, 0, &text) != S_OK) {
        return {};
    }
    std::string written = win32::utf8(std::wstring_view(text, length(text)));
    release(text);
    // The scientific form takes the locale's separator, as the plain one does; Wine writes a point.
    if (const auto point = written.find('.');
        point != std::string::npos && written.find('E') != std::string::npos) {
        written.replace(point, 1, symbols_.decimalSeparator);
    }
    return written;
}
