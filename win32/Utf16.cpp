#include "Utf16.h"

#include <windows.h>

#include <algorithm>

namespace win32 {

std::wstring wide(std::string_view utf8) {
    std::wstring text(utf8.size(), L'\0');
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), text.data(),
                                           int(text.size()));
    text.resize(std::size_t(std::max(length, 0)));
    return text;
}

std::string utf8(std::wstring_view text) {
    std::string bytes(text.size() * 3, '\0');
    const int written = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), bytes.data(),
                                            int(bytes.size()), nullptr, nullptr);
    bytes.resize(std::size_t(std::max(written, 0)));
    return bytes;
}

} // namespace win32
