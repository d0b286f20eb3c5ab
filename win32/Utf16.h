#pragma once
// The program's texts are UTF-8; the Windows API speaks UTF-16.

#include <string>
#include <string_view>

namespace win32 {

std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view text);

} // namespace win32
