// Brintamo: finds the real roots of a*x^2 + b*x + c = 0.

#include "ApplicationInfo.h"
#include "Brintamo.h"
#include "platform/Application.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    const auto application = platform::startApplication(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app/brintamo.ico"))); // every window's
    platform::ModalMessageBox messages(QString::fromLatin1(appinfo::title));
    (new Brintamo(messages))->show(); // deletes itself when closed
    return QApplication::exec();
}
