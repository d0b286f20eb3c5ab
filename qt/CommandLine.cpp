#include "CommandLine.h"

#include "ApplicationInfo.h"

#include <QCommandLineParser>

#include <string_view>

namespace qtui {

bool asksForInformation(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help" || argument == "-?" || argument == "-v" ||
            argument == "--version" || argument == "--help-all") {
            return true;
        }
    }
    return false;
}

void readCommandLine(const QCoreApplication& application) {
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(appinfo::versionMajor)
                                                .arg(appinfo::versionMinor)
                                                .arg(appinfo::versionRevision));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Finds the real roots of a quadratic equation, a*x^2 + b*x + c = 0."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(application); // prints and exits for help, version and unknown options
}

} // namespace qtui
