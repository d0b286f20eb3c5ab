#include "MessageBox.h"

#include "ApplicationInfo.h"

#include <windows.h>

#include <algorithm>

namespace win32 {

namespace {

std::wstring wide(const std::string& utf8) {
    std::wstring text(utf8.size(), L'\0');
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), text.data(),
                                           int(text.size()));
    text.resize(std::size_t(std::max(length, 0)));
    return text;
}

} // namespace

// Task-modal: every window of the program waits while it shows. With one button, Escape and the
// close button answer OK too.
int ModalMessageBox::showMessage(const std::string& text) {
    const HWND origin = GetActiveWindow();
    const int answer =
        MessageBoxW(origin, wide(text).c_str(), wide(appinfo::title).c_str(), MB_OK | MB_TASKMODAL);
    if (origin != nullptr && IsWindow(origin)) {
        SetActiveWindow(origin);
    }
    return answer == IDOK ? forms::messageBoxOk : answer;
}

} // namespace win32
