// Brintamo on Windows: finds the real roots of a*x^2 + b*x + c = 0.

#include "MessageBox.h"
#include "Windows.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Held while the program runs, so that the uninstaller can tell and leave it be. Closed by
    // the system when the program ends.
    CreateMutexW(nullptr, FALSE, L"Brintamo is running");
    win32::ModalMessageBox messages;
    win32::MainWindow main(messages);
    main.show();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        win32::dispatch(message);
    }
    return 0;
}
