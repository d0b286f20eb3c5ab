#pragma once
// What every window of the program relies on from the toolkit, set up once at start.

#include <QApplication>

#include <memory>

namespace qtui {

// Makes the application and prepares it, once the command line has asked for no more than that.
// Without a display to open, it says so in one line on standard error and ends the program with
// status 1, where Qt would abort with a core dump and advice that does not apply.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv);

// The Fusion style with classic push buttons (so button faces take their palette colour on
// every desktop), the program's fonts, and MS Sans Serif 8.25 pt as the default font. Call after
// creating the QApplication.
void prepareApplication();

} // namespace qtui
