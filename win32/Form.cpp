#include "Form.h"

#include "FormSurface.h"
#include "LateBinding.h"
#include "Resources.h"
#include "Utf16.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace win32 {

namespace {

constexpr wchar_t windowClass[] = L"BrintamoForm";

// Without a taskbar entry, a fixed dialog is owned by this hidden window: it closes nothing.
HWND hiddenOwner() {
    static const HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                              nullptr, GetModuleHandleW(nullptr), nullptr);
    return owner;
}

// Once per program: later calls fail, harmlessly, as the class exists.
void registerWindowClass() {
    WNDCLASSEXW windowType{};
    windowType.cbSize = sizeof windowType;
    windowType.lpfnWndProc = DefWindowProcW;
    windowType.hInstance = GetModuleHandleW(nullptr);
    windowType.hIcon = LoadIconW(windowType.hInstance, MAKEINTRESOURCEW(BRINTAMO_ICON));
    windowType.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowType.lpszClassName = windowClass;
    RegisterClassExW(&windowType);
}

UINT screenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return UINT(dpi);
}

// The DPI of the monitor the window is on, which per-monitor awareness lays it out at; before
// Windows 10 only the one fixed at sign-in exists.
UINT dpiOf(HWND window) {
    static const auto forWindow =
        os::lateBound<decltype(GetDpiForWindow)>(L"user32.dll", "GetDpiForWindow");
    const UINT dpi = forWindow != nullptr ? forWindow(window) : 0;
    return dpi != 0 ? dpi : screenDpi();
}

// What Windows says about its last refusal, in one line; empty where it says nothing.
std::string lastErrorText() {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, GetLastError(), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring said(text != nullptr ? text : L"", length);
    LocalFree(text);
    while (!said.empty() && (said.back() == L'\n' || said.back() == L'\r' || said.back() == L' ')) {
        said.pop_back();
    }
    return utf8(said);
}

// Names the window by its caption where it has one already.
WindowRefused refusal(const std::string& caption) {
    const std::string reason = lastErrorText();
    return WindowRefused(
        (caption.empty() ? "Cannot open a window" : "Cannot open the window \"" + caption + "\"") +
        (reason.empty() ? "." : ": " + reason));
}

} // namespace

bool isPossibleDpiChange(UINT dpi, const RECT& suggested) {
    // Windows scales a monitor from 100 to 500 %; no screen reaches beyond 16-bit coordinates,
    // and within them the arithmetic of a change cannot overflow.
    constexpr long long limit = 32767;
    const long long width = static_cast<long long>(suggested.right) - suggested.left;
    const long long height = static_cast<long long>(suggested.bottom) - suggested.top;
    return dpi >= 96 && dpi <= 480 && width > 0 && height > 0 && width <= limit &&
           height <= limit && std::abs(static_cast<long long>(suggested.left)) <= limit &&
           std::abs(static_cast<long long>(suggested.top)) <= limit;
}

Form::Form(const forms::WindowTable& table) : table_(table) {
    registerWindowClass();
    const bool dialog = table.border == forms::Border::FixedDialog;
    const DWORD style =
        (dialog ? WS_POPUP | WS_CAPTION | WS_SYSMENU : WS_OVERLAPPEDWINDOW) | WS_CLIPCHILDREN;
    const DWORD extendedStyle = dialog ? WS_EX_DLGMODALFRAME : 0;
    window_ = CreateWindowExW(extendedStyle, windowClass, wide(table.caption).c_str(), style,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              dialog ? hiddenOwner() : nullptr, nullptr, GetModuleHandleW(nullptr),
                              nullptr);
    if (window_ == nullptr) {
        throw refusal(table.caption);
    }
    dpi_ = dpiOf(window_);
    fonts_ = std::make_unique<FontSet>(dpi_);
    windowBrush_ = CreateSolidBrush(resolve(table.background, COLOR_BTNFACE));
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form::procedure));
    ++liveWindows_;
    if (!table.menus.empty()) {
        SetMenu(window_, buildMenuBar(table.menus, commandNames_));
    }
    RECT frame{0, 0, toPixels(table.clientWidth, dpi_), toPixels(table.clientHeight, dpi_)};
    AdjustWindowRectEx(&frame, style, !table.menus.empty(), extendedStyle);
    const bool placed = table.clientLeft >= 0;
    SetWindowPos(window_, nullptr, toPixels(table.clientLeft, dpi_) + frame.left,
                 toPixels(table.clientTop, dpi_) + frame.top, frame.right - frame.left,
                 frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | (placed ? 0 : SWP_NOMOVE));
    const std::vector<HWND> inTabOrder = buildControls(window_, table);
    for (const HWND built : inTabOrder) {
        const forms::ControlRow* row = rowOf(built);
        commandNames_[GetDlgCtrlID(built)] = row->name;
        backgrounds_[built] = CreateSolidBrush(backgroundOf(*row));
    }
    placeControls(window_, table, *fonts_, dpi_);
    // Activating the window puts the focus here first.
    const auto first = std::ranges::find_if(inTabOrder, [](HWND built) {
        return (GetWindowLongW(built, GWL_STYLE) & WS_TABSTOP) != 0;
    });
    focus_ = first != inTabOrder.end() ? *first : nullptr;
}

Form::~Form() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    for (const auto& [control, brush] : backgrounds_) {
        DeleteObject(brush);
    }
    DeleteObject(windowBrush_);
}

const forms::ControlRow* Form::rowOf(HWND control) const {
    const auto index = std::size_t(GetDlgCtrlID(control) - firstControlId);
    return index < table_.controls.size() ? &table_.controls[index] : nullptr;
}

HWND Form::control(const char* name) const {
    const int id = controlId(table_, name);
    return id != 0 ? GetDlgItem(window_, id) : nullptr;
}

void Form::onCommand(const char* name, std::function<void()> action) {
    commands_[name] = std::move(action);
}

void Form::show() {
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
}

int Form::openWindows() {
    return liveWindows_;
}

std::string Form::text(const char* name) const {
    return windowText(control(name));
}

void Form::setText(const char* name, const std::string& text) {
    SetWindowTextW(control(name), wide(text).c_str());
}

void Form::setCaption(const std::string& caption) {
    SetWindowTextW(window_, wide(caption).c_str());
}

// Straight onto the window, once: nothing draws it again, and the controls clip it.
void Form::printLine(const std::string& text) {
    const int lineHeight =
        printText(window_, {toPixels(textCursor_.x, dpi_), toPixels(textCursor_.y, dpi_)}, text,
                  fonts_->font(forms::defaultFont));
    textCursor_ = {0, textCursor_.y + MulDiv(lineHeight, 1440, int(dpi_))};
}

void Form::closeWindow() {
    DestroyWindow(window_);
}

// The window takes the suggested place, and everything in it is made again for the new DPI.
void Form::changeDpi(UINT dpi, const RECT& suggested) {
    RECT client;
    GetClientRect(window_, &client);
    const SIZE scaled{MulDiv(client.right, int(dpi), int(dpi_)),
                      MulDiv(client.bottom, int(dpi), int(dpi_))};
    dpi_ = dpi;
    auto fonts = std::make_unique<FontSet>(dpi);
    placeControls(window_, table_, *fonts, dpi);
    fonts_ = std::move(fonts); // the controls no longer use the old fonts
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // Where the frame at the new DPI is not the one the suggestion was made for (Wine keeps its
    // frame unscaled), the client area still scales exactly.
    GetClientRect(window_, &client);
    if (!IsIconic(window_)) {
        SetWindowPos(window_, nullptr, 0, 0,
                     suggested.right - suggested.left + scaled.cx - client.right,
                     suggested.bottom - suggested.top + scaled.cy - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(window_, nullptr, TRUE);
}

} // namespace win32
