#pragma once
// What the window suite asks of a front end, and all it asks: the program's windows opened from
// their tables at the scaling the test runs at, their controls found by name and read back as a
// user and a screen reader meet them, keys pressed as the keyboard sends them, and the message
// boxes they show answered. QtProbe.cpp and Win32Probe.cpp implement it; the suite itself never
// sees a toolkit.

#include "Picture.h"
#include "WindowTable.h"
#include "WindowView.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace probe {

// In device pixels.
struct Area {
    double left = 0, top = 0, width = 0, height = 0;
};

struct FontSeen {
    double pixelHeight; // of the em, in device pixels
    bool bold;
};

// What a screen reader hears of a control; its role as the kind of control the role names.
struct Heard {
    forms::ControlKind role;
    std::string name, description;
};

struct MessageSeen {
    std::string title, text;
    int buttons;
    // What Ctrl+C put on the clipboard, line breaks as '\n'; none where the system's own box
    // does the copying (Windows; not checked under Wine, which has no copying there).
    std::optional<std::string> copied;
    pictures::Picture picture;
};

enum class Answer { Enter, Escape, CloseButton, ClickOk };

class Window {
public:
    virtual ~Window() = default;
    // The client area, its corner on the screen.
    virtual Area clientArea() const = 0;
    virtual bool resizable() const = 0;
    virtual bool inTaskbar() const = 0;

    // Within the client area.
    virtual Area place(const char* control) const = 0;
    virtual FontSeen font(const char* control) const = 0;
    virtual std::string text(const char* control) const = 0;
    // The control's text as it shows it: a label's wrapped at its width, any other's on one line.
    virtual std::vector<std::string> lines(const char* control) const = 0;
    // The width and height of a line in the control's font.
    virtual Area measure(const char* control, const std::string& line) const = 0;
    virtual Heard heard(const char* control) const = 0;
    // The focused control's name, "(closed)" or "(elsewhere)".
    virtual std::string focused() const = 0;

    virtual void setFocus(const char* control) = 0;
    virtual void click(const char* control) = 0;
    virtual void holdDown(const char* button) = 0;
    virtual void choose(const char* menuItem) = 0;
    // Another window of the program becomes active, then this one again.
    virtual void switchAwayAndBack() = 0;
    virtual void minimiseAndRestore() = 0;
    virtual pictures::Picture picture() const = 0;
    // What the handlers see of the window.
    virtual forms::WindowView& view() = 0;
};

// Starts the toolkit at the scaling the suite runs at; it lasts as long as what this returns.
std::shared_ptr<void> start(int& argc, char** argv, double scale);
double scale();
// The front end's own reference pictures.
std::string referenceFolder();

// Made as the program makes it, with the program's own message box, and shown.
std::unique_ptr<Window> open(const forms::WindowTable& table);
// Keys to the focused control, each held down in turn and let go in reverse: "Tab",
// "Shift+Tab", "Alt+S", "Ctrl+V", "Enter", "Escape", "Space", or a character typed ("7", "-").
void press(const std::string& keys);
void setClipboard(const std::string& text);
// How the message boxes still to come are closed; each one is seen, copied with Ctrl+C and
// pictured first.
void answerMessages(Answer how);
std::vector<MessageSeen> takeMessagesSeen();

// The program's visible windows with this title, and the title of the active one.
int windowsTitled(const std::string& title);
std::string activeTitle();
// A colour of the table as the front end resolves it, for a control of that kind.
std::uint32_t colour(const forms::Colour& colour, forms::ControlKind kind);

} // namespace probe
