#pragma once
// A top-level window built from its table with the Windows API, and the WindowView its handlers
// use. Window classes derive from it and say what their buttons and menu items do; geometry,
// fonts and colours stay in the table.

#include "FormBuilder.h"
#include "WindowTable.h"
#include "WindowView.h"

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace win32 {

// Windows would not make a window: the text says which and, where Windows tells, why.
class WindowRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Whether Windows could have sent this DPI and suggested place in a DPI change: a DPI some
// monitor has, and a rectangle of a size and place some screen could hold.
bool isPossibleDpiChange(UINT dpi, const RECT& suggested);

class Form : public forms::WindowView {
public:
    // Throws WindowRefused when Windows makes no window; a control it refuses is left out.
    explicit Form(const forms::WindowTable& table);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    HWND window() const { return window_; }
    HWND control(const char* name) const;
    UINT dpi() const { return dpi_; }
    // What a click on a button, or a choice of a menu item, does.
    void onCommand(const char* name, std::function<void()> action);
    void show();

    std::string text(const char* control) const override;
    void setText(const char* control, const std::string& text) override;
    void setCaption(const std::string& caption) override;
    void printLine(const std::string& text) override;
    void closeWindow() override;

    // The windows of the program that are open; the program ends when none is left.
    static int openWindows();

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void command(WPARAM wParam);
    void activate(WPARAM wParam);
    void changeDpi(UINT dpi, const RECT& suggested);
    LRESULT colourControl(HDC dc, HWND control);
    const forms::ControlRow* rowOf(HWND control) const; // from its identifier

    static inline int liveWindows_ = 0;

    const forms::WindowTable& table_;
    HWND window_ = nullptr;
    UINT dpi_ = 96;
    std::unique_ptr<FontSet> fonts_;
    std::map<int, std::string> commandNames_; // by control or menu identifier
    std::map<std::string, std::function<void()>, std::less<>> commands_;
    std::map<HWND, HBRUSH> backgrounds_;
    HBRUSH windowBrush_ = nullptr;
    HWND focus_ = nullptr;   // the control that has the focus while the window is active
    POINT textCursor_{0, 0}; // twips
};

} // namespace win32
