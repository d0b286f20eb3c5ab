#pragma once
// What a window offers the handlers that give it its behaviour, and what they need besides: the
// message box and the secondary windows. Each front end implements these with its own windows;
// tests stand in for them with recordings, so the handlers run without any window at all.

#include <string>

namespace forms {

class WindowView {
public:
    virtual ~WindowView() = default;
    // The UTF-8 text of a control, found by its name in the window's table.
    virtual std::string text(const char* control) const = 0;
    virtual void setText(const char* control, const std::string& text) = 0;
    virtual void setCaption(const std::string& caption) = 0;
    // Draws the text at the window's text cursor, then moves the cursor to the next line's start.
    virtual void printLine(const std::string& text) = 0;
    virtual void closeWindow() = 0;
};

// The code of the OK button, which is what a one-button message box always answers.
inline constexpr int messageBoxOk = 1;

class MessageService {
public:
    virtual ~MessageService() = default;
    // Shows the text with one OK button and the program's title, modal to the program; returns
    // the code of the button that closed it once the user has.
    virtual int showMessage(const std::string& text) = 0;
};

// The About box and the Help window: created on first use, brought to the front while open.
class SecondaryWindows {
public:
    virtual ~SecondaryWindows() = default;
    virtual void showAbout() = 0;
    virtual void showHelp() = 0;
};

} // namespace forms
