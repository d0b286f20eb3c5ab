#include "WindowsNumberFormat.h"

#include "LateBinding.h"
#include "Utf16.h"

#include <windows.h>

#include <oleauto.h>

#include <algorithm>
#include <string>

namespace {

// oleaut32 is loaded on the first number read or written, not while the program starts.
template <typename Function> Function* oleAutomation(const char* name) {
    return os::lateBound<Function>(L"oleaut32.dll", name);
}

std::wstring localeText(LCID locale, LCTYPE what) {
    wchar_t text[16] = {};
    GetLocaleInfoW(locale, what, text, 16);
    return text;
}

// Whether a text is a number does not depend on how many digits each run of digits has, so this
// copy, with every run cut to its first digit, is a number exactly when the text is one, but is
// never too long for the system to read nor beyond the range of a double.
std::wstring shapeOf(const std::wstring& text) {
    std::wstring shape;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= L'0' && text[i] <= L'9';
        if (!digit || i == 0 || !(text[i - 1] >= L'0' && text[i - 1] <= L'9')) {
            shape += text[i];
        }
    }
    return shape;
}

} // namespace

WindowsNumberFormat::WindowsNumberFormat(unsigned long locale)
    : locale_(locale), decimalSeparator_(localeText(locale, LOCALE_SDECIMAL)),
      negativeSign_(localeText(locale, LOCALE_SNEGATIVESIGN)) {}

std::optional<TypedNumber> WindowsNumberFormat::read(const std::string& text) const {
    const std::wstring typed = win32::wide(text);
    // What the system would also take but the program does not: group separators, currency
    // signs, parentheses, hexadecimal, and anything else that is not part of a plain number.
    const auto plain = [this](wchar_t ch) {
        return (ch >= L'0' && ch <= L'9') || ch == L' ' || ch == L'+' || ch == L'-' || ch == L'e' ||
               ch == L'E' || decimalSeparator_.find(ch) != std::wstring::npos ||
               negativeSign_.find(ch) != std::wstring::npos;
    };
    if (typed.empty() || !std::all_of(typed.begin(), typed.end(), plain)) {
        return std::nullopt;
    }
    double value = 0;
    std::wstring shape = shapeOf(typed);
    static const auto toDouble = oleAutomation<decltype(VarR8FromStr)>("VarR8FromStr");
    if (toDouble == nullptr || toDouble(shape.data(), locale_, 0, &value) != S_OK) {
        return std::nullopt;
    }
    TypedNumber number{};
    number.digits.clear();
    bool afterPoint = false;
    bool inExponent = false;
    bool exponentNegative = false;
    long long exponent = 0;
    long long digitsExponent = 0;
    for (const wchar_t ch : typed) {
        const bool isDigit = ch >= L'0' && ch <= L'9';
        const bool isMinus = ch == L'-' || negativeSign_.find(ch) != std::wstring::npos;
        if (inExponent) {
            exponentNegative = exponentNegative || isMinus;
            exponent = isDigit ? std::min(exponent * 10 + (ch - L'0'), 1LL << 40) : exponent;
        } else if (isDigit) {
            if (ch != L'0' || !number.digits.empty()) {
                number.digits.push_back(char('0' + (ch - L'0')));
            }
            digitsExponent -= afterPoint ? 1 : 0;
        } else if (decimalSeparator_.find(ch) != std::wstring::npos) {
            afterPoint = true;
        } else if (isMinus) {
            number.negative = true;
        } else if (ch == L'e' || ch == L'E') {
            inExponent = true;
        }
    }
    const auto significantEnd = number.digits.find_last_not_of('0');
    if (significantEnd == std::string::npos) {
        return TypedNumber{};
    }
    digitsExponent += static_cast<long long>(number.digits.size() - significantEnd - 1);
    number.digits.resize(significantEnd + 1);
    number.exponent = digitsExponent + (exponentNegative ? -exponent : exponent);
    // Beyond a double: refused above its largest value, a number below its smallest.
    const std::optional<double> closest = nearestDouble(number);
    if (!closest) {
        return std::nullopt;
    }
    number.nearest = *closest;
    return number;
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
    return written;
}
