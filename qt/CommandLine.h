#pragma once
// The command line as Linux programs have it: --help and --version print and end the program
// with status 0, before any display is needed; an option the program does not know ends it with
// an error and status 1. Qt's own options (-platform, -display, ...) are the application's.

#include <QCoreApplication>

namespace qtui {

// Whether the arguments ask for help or the version, which are answered without a display.
bool asksForInformation(int argc, char** argv);

// Answers --help and --version, or refuses an unknown option; returns when there is neither.
void readCommandLine(const QCoreApplication& application);

} // namespace qtui
