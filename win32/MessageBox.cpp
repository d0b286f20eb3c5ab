#include "MessageBox.h"

#include "ApplicationInfo.h"
#include "Utf16.h"

#include <windows.h>

namespace win32 {

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
