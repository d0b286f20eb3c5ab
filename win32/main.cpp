// Brintamo on Windows: finds the real roots of a*x^2 + b*x + c = 0.

#include "MessageBox.h"
#include "Windows.h"

#include <cctype>

namespace {

// Said in a message box where one can show, and on the standard error stream where the program
// was started with one, as from a console or with its output redirected.
void reportRefusal(const std::string& reason, win32::ModalMessageBox& messages) {
    if (const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
        error != nullptr && error != INVALID_HANDLE_VALUE) {
        std::string line = "brintamo: " + reason + "\n";
        line[10] = char(std::tolower(static_cast<unsigned char>(line[10])));
        DWORD written = 0;
        WriteFile(error, line.data(), DWORD(line.size()), &written, nullptr);
    }
    messages.showMessage(reason);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    win32::ModalMessageBox messages;
    try {
        win32::MainWindow main(messages);
        main.show();
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            win32::dispatch(message);
        }
    } catch (const win32::WindowRefused& refused) {
        reportRefusal(refused.what(), messages);
        return 1;
    }
    return 0;
}
