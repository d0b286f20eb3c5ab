#pragma once
// A top-level window built from its table with the Windows API, and the WindowView its handlers
// use. Window classes derive from it and say what their buttons and menu items do; geometry,
// fonts and colours stay in the table.

#include "WindowTable.h"
#include "WindowView.h"

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace win32 {

class Form : public forms::WindowView {
public:
    explicit Form(const forms::WindowTable& table);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    HWND window() const { return window_; }
    HWND control(const char* name) const;
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
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void createMenus();
    void paintLines(HDC dc) const;
    void drawButton(const DRAWITEMSTRUCT& item) const;
    LRESULT colourControl(HDC dc, HWND control);
    int pixels(int twips) const;
    const forms::ControlRow* rowOf(HWND control) const; // from its identifier

    const forms::WindowTable& table_;
    HWND window_ = nullptr;
    UINT dpi_ = 96;
    std::map<std::string, HWND, std::less<>> controls_;
    std::map<int, std::string> commandNames_; // by control or menu identifier
    std::map<std::string, std::function<void()>, std::less<>> commands_;
    std::vector<HFONT> fonts_;
    std::vector<std::pair<HANDLE, bool>> pictures_; // and whether it is an icon
    std::map<HWND, HBRUSH> backgrounds_;
    HBRUSH windowBrush_ = nullptr;
    POINT textCursor_{0, 0}; // twips
};

} // namespace win32
