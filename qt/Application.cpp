#include "Application.h"

#include "ClassicButtonStyle.h"
#include "CommandLine.h"
#include "ProgramFonts.h"

#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace qtui {

namespace {

// What Qt says while it opens the display, held back: the first of it names the reason when the
// display cannot be opened, and otherwise it is passed on as usual.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> heldMessages;
QByteArray programName;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        heldMessages.push_back({type, context.category, text});
        return;
    }
    const QString reason = heldMessages.empty() ? text : heldMessages.front().text;
    std::fprintf(stderr, "%s: cannot open a display: %s\n", programName.constData(),
                 qPrintable(reason.section(u'\n', 0, 0).trimmed()));
    std::_Exit(1);
}

} // namespace

std::unique_ptr<QApplication> startApplication(int& argc, char** argv) {
    programName = QByteArray(argv[0]).split('/').last();
    if (asksForInformation(argc, argv)) {
        readCommandLine(QCoreApplication(argc, argv)); // no display needed to answer
    }
    const QtMessageHandler usual = qInstallMessageHandler(holdMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(usual);
    for (const HeldMessage& message : std::exchange(heldMessages, {})) {
        usual(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category.constData()),
              message.text);
    }
    readCommandLine(*application); // after the application took Qt's own options
    // Wayland compositors find the program's name and icon through its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("brintamo"));
    prepareApplication();
    return application;
}

void prepareApplication() {
    QApplication::setStyle(new ClassicButtonStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    loadProgramFonts();
    QApplication::setFont(programFont(forms::defaultFont, qApp->devicePixelRatio()));
}

} // namespace qtui
