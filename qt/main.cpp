// Brintamo: finds the real roots of a*x^2 + b*x + c = 0.

#include "Application.h"
#include "ApplicationInfo.h"
#include "MainWindow.h"
#include "MessageBox.h"

#include <QIcon>

int main(int argc, char* argv[]) {
    const auto application = qtui::startApplication(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/brintamo.ico"))); // every window's
    qtui::ModalMessageBox messages(QString::fromLatin1(appinfo::title));
    (new qtui::MainWindow(messages))->show(); // deletes itself when closed
    return QApplication::exec();
}
