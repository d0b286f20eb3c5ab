#include "Windows.h"

#include "AboutBoxTable.h"
#include "HelpWindowTable.h"
#include "MainWindowTable.h"

namespace win32 {

namespace {

// A secondary window exists at most once: a request while it is open restores it and brings it
// to the front with the focus; once closed, the next request makes it afresh. One that Windows
// will not make is reported, and the program goes on without it.
template <typename Window, typename Make>
void showOnce(std::unique_ptr<Window>& window, Make make, forms::MessageService& messages) {
    if (!window || window->window() == nullptr) {
        try {
            window = make();
        } catch (const WindowRefused& refused) {
            window.reset();
            messages.showMessage(refused.what());
            return;
        }
        window->show();
        return;
    }
    ShowWindow(window->window(), SW_RESTORE);
    // Raised as well as activated: where a window manager stacks the windows (Wine's), it may
    // not be asked to activate one, but it raises one that asks.
    SetWindowPos(window->window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(window->window());
}

} // namespace

void dispatch(MSG& message) {
    const HWND window = GetAncestor(message.hwnd, GA_ROOT);
    if (window == nullptr || !IsDialogMessageW(window, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

AboutBox::AboutBox(forms::MessageService& messages)
    : Form(forms::aboutBoxTable()),
      handlers_(*this, messages, os::systemRegistry(), os::systemFiles(), os::systemPrograms()) {
    handlers_.open();
    onCommand(forms::aboutBox::okButton, [this] { handlers_.ok(); });
    onCommand(forms::aboutBox::systemInfoButton, [this] { handlers_.startSystemInfo(); });
}

MainWindow::MainWindow(forms::MessageService& messages)
    : Form(forms::mainWindowTable()), messages_(messages),
      handlers_(*this, messages, *this, numbers_) {
    using namespace forms::mainWindow;
    onCommand(calculateButton, [this] { handlers_.calculate(); });
    onCommand(clearButton, [this] { handlers_.clear(); });
    onCommand(aboutItem, [this] { handlers_.showAbout(); });
    onCommand(helpItem, [this] { handlers_.showHelp(); });
    onCommand(exitItem, [this] { handlers_.exit(); });
}

void MainWindow::showAbout() {
    showOnce(
        about_, [this] { return std::make_unique<AboutBox>(messages_); }, messages_);
}

void MainWindow::showHelp() {
    showOnce(
        help_, [] { return std::make_unique<Form>(forms::helpWindowTable()); }, messages_);
}

} // namespace win32
