#include "MessageBox.h"

#include "ApplicationInfo.h"
#include "Utf16.h"

#include <windows.h>

#include <vector>

namespace win32 {

namespace {

// The program's other windows take no input while a message shows; the box itself disables the
// window it is shown over.
std::vector<HWND> disableOtherWindows(HWND origin) {
    std::vector<HWND> disabled;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&disabled));
    std::erase_if(disabled, [origin](HWND window) {
        return window == origin || !IsWindowVisible(window) || !IsWindowEnabled(window);
    });
    for (const HWND window : disabled) {
        EnableWindow(window, FALSE);
    }
    return disabled;
}

} // namespace

// Over the active window, which gets its focus back afterwards. With one button, every way of
// closing the box means OK, whatever the system answers for Escape or the close button.
int ModalMessageBox::showMessage(const std::string& text) {
    const HWND origin = GetActiveWindow();
    const HWND focus = GetFocus();
    const std::vector<HWND> disabled = disableOtherWindows(origin);
    MessageBoxW(origin, wide(text).c_str(), wide(appinfo::title).c_str(), MB_OK | MB_APPLMODAL);
    for (const HWND window : disabled) {
        EnableWindow(window, TRUE);
    }
    if (origin != nullptr && IsWindow(origin)) {
        SetActiveWindow(origin);
    }
    if (focus != nullptr && IsWindow(focus)) {
        SetFocus(focus);
    }
    return forms::messageBoxOk;
}

} // namespace win32
