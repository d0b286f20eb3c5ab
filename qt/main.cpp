// Brintamo: finds the real roots of a*x^2 + b*x + c = 0.

#include "Application.h"
#include "ApplicationInfo.h"
#include "MainWindow.h"
#include "MessageBox.h"

#include <QIcon>

int main(int argc, char* argv[]) {
    const auto application = qtui::startApplication(argc, argv);
    // Every window's icon, from the same pixel maps as the Windows icon; PNG needs no image plugin,
    // which spares start-up a millisecond.
    QIcon icon;
    for (const char* size : {"16", "32"}) {
        icon.addFile(QStringLiteral(":/pictures/brintamo-%1.png").arg(QLatin1StringView(size)));
    }
    QApplication::setWindowIcon(icon);
    qtui::ModalMessageBox messages(QString::fromLatin1(appinfo::title));
    (new qtui::MainWindow(messages))->show(); // deletes itself when closed
    return QApplication::exec();
}
