#pragma once
// The main window: built from its table, its buttons and menu items wired to the handlers that
// say what they do. It opens the About box and the Help window, one of each at most.

#include "Form.h"
#include "MainWindowHandlers.h"
#include "QtNumberFormat.h"
#include "SingleInstance.h"

namespace qtui {

class MainWindow : public Form, public forms::SecondaryWindows {
    Q_OBJECT

public:
    explicit MainWindow(forms::MessageService& messages);

    forms::MainWindowHandlers& handlers() { return handlers_; }

    void showAbout() override;
    void showHelp() override;

private:
    QtNumberFormat numbers_;
    forms::MainWindowHandlers handlers_;
    SingleInstance about_;
    SingleInstance help_;
};

} // namespace qtui
