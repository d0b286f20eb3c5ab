#pragma once
// What the main window does: CALCULATE, CLEAR, About, Help and Exit. It moves texts between the
// window's boxes and the root calculation and reports outcomes; it computes nothing itself and
// knows the window only through WindowView.

#include "NumberFormat.h"
#include "WindowView.h"

namespace forms {

class MainWindowHandlers {
public:
    MainWindowHandlers(WindowView& window, MessageService& messages, SecondaryWindows& windows,
                       const NumberFormat& numbers);

    // The roots of the three coefficients into the root boxes, or the outcome's message.
    void calculate();
    // Empties the five boxes, and nothing else.
    void clear();
    void showAbout();
    void showHelp();
    // Closes the main window only; the program goes on while another window is open.
    void exit();

private:
    void report(const std::string& message);

    WindowView& window_;
    MessageService& messages_;
    SecondaryWindows& windows_;
    const NumberFormat& numbers_;
};

} // namespace forms
