#pragma once
// The program's three windows on Windows, each built from its table with its buttons and menu
// items wired to the handlers that say what they do, and how the program's loop hands out messages.

#include "AboutBoxHandlers.h"
#include "Form.h"
#include "MainWindowHandlers.h"
#include "WindowsNumberFormat.h"

#include <memory>

namespace win32 {

// Handles one message of the program's loop: Tab, Shift+Tab, access keys, Enter and Escape as in
// dialogs, in whichever window they were meant for; anything else to its window.
void dispatch(MSG& message);

class AboutBox : public Form {
public:
    explicit AboutBox(forms::MessageService& messages);

private:
    forms::AboutBoxHandlers handlers_;
};

class MainWindow : public Form, public forms::SecondaryWindows {
public:
    explicit MainWindow(forms::MessageService& messages);

    void showAbout() override;
    void showHelp() override;

private:
    forms::MessageService& messages_;
    WindowsNumberFormat numbers_;
    forms::MainWindowHandlers handlers_;
    std::unique_ptr<AboutBox> about_;
    std::unique_ptr<Form> help_;
};

} // namespace win32
