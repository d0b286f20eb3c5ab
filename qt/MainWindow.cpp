#include "MainWindow.h"

#include "AboutBox.h"
#include "HelpWindowTable.h"
#include "MainWindowTable.h"

namespace qtui {

using namespace forms::mainWindow;

MainWindow::MainWindow(forms::MessageService& messages)
    : Form(forms::mainWindowTable()), handlers_(*this, messages, *this, numbers_),
      about_([&messages] { return new AboutBox(messages); }),
      help_([] { return new Form(forms::helpWindowTable()); }) {
    auto& handlers = handlers_;
    connect(control<QPushButton>(calculateButton), &QPushButton::clicked, this,
            [&handlers] { handlers.calculate(); });
    connect(control<QPushButton>(clearButton), &QPushButton::clicked, this,
            [&handlers] { handlers.clear(); });
    connect(menuItem(aboutItem), &QAction::triggered, this, [&handlers] { handlers.showAbout(); });
    connect(menuItem(helpItem), &QAction::triggered, this, [&handlers] { handlers.showHelp(); });
    connect(menuItem(exitItem), &QAction::triggered, this, [&handlers] { handlers.exit(); });
}

void MainWindow::showAbout() {
    about_.show();
}

void MainWindow::showHelp() {
    help_.show();
}

} // namespace qtui
