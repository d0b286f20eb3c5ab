#include "MainWindowHandlers.h"

#include "MainWindowTable.h"
#include "OutcomeMessages.h"
#include "SolveQuadratic.h"

#include <exception>

namespace forms {

using namespace mainWindow;

MainWindowHandlers::MainWindowHandlers(WindowView& window, MessageService& messages,
                                       SecondaryWindows& windows, const NumberFormat& numbers)
    : window_(window), messages_(messages), windows_(windows), numbers_(numbers) {}

void MainWindowHandlers::calculate() {
    SolveOutcome outcome;
    try {
        outcome = solveQuadratic(window_.text(coefficientA), window_.text(coefficientB),
                                 window_.text(coefficientC), numbers_);
    } catch (const std::exception&) {
        // Out of memory, say: no failure ends the program. The default outcome is the failure
        // message with no roots.
    }
    // Boxes that receive no root keep what they held.
    if (outcome.firstRoot) {
        window_.setText(firstRoot, *outcome.firstRoot);
    }
    if (outcome.secondRoot) {
        window_.setText(secondRoot, *outcome.secondRoot);
    }
    if (const std::optional<std::string> message = messageFor(outcome.kind)) {
        report(*message);
    }
}

void MainWindowHandlers::clear() {
    for (const char* box : {coefficientA, coefficientB, coefficientC, firstRoot, secondRoot}) {
        window_.setText(box, "");
    }
}

void MainWindowHandlers::showAbout() {
    windows_.showAbout();
}

void MainWindowHandlers::showHelp() {
    windows_.showHelp();
}

void MainWindowHandlers::exit() {
    window_.closeWindow();
}

// The window prints the message box's answer on its own surface once the box is dismissed: a
// line " 1 " under the last one for every message. That is what the program has always shown,
// not a leftover to tidy away. The answer is printed as numbers are: the sign's place (blank for
// a positive code), the digits, a trailing blank.
void MainWindowHandlers::report(const std::string& message) {
    window_.printLine(' ' + std::to_string(messages_.showMessage(message)) + ' ');
}

} // namespace forms
