#include "Form.h"

#include "Resources.h"
#include "Utf16.h"

#include <algorithm>
#include <string_view>

namespace win32 {

namespace {

constexpr wchar_t windowClass[] = L"BrintamoForm";
constexpr int firstControlId = 100;
constexpr int firstMenuId = 1000;
int liveWindows = 0;

COLORREF resolve(const forms::Colour& colour, int fallback) {
    switch (colour.source) {
    case forms::Colour::Source::Rgb:
        return RGB(colour.rgb >> 16 & 0xff, colour.rgb >> 8 & 0xff, colour.rgb & 0xff);
    case forms::Colour::Source::System:
        return GetSysColor(static_cast<int>(colour.system));
    case forms::Colour::Source::NotSet:
        break;
    }
    return GetSysColor(fallback);
}

// A picture the tables name, as compiled into the program, at the screen's scaling.
HANDLE loadPicture(const char* name, UINT dpi) {
    const bool icon = std::string_view(name).ends_with(".ico");
    const HINSTANCE program = GetModuleHandleW(nullptr);
    const auto load = [&](int width, int height) {
        return LoadImageW(program,
                          MAKEINTRESOURCEW(icon ? BRINTAMO_ABOUT_ICON : BRINTAMO_HELP_PICTURE),
                          icon ? IMAGE_ICON : IMAGE_BITMAP, width, height, 0);
    };
    SIZE size{32, 32};
    if (!icon) {
        const HANDLE natural = load(0, 0);
        BITMAP bitmap{};
        GetObjectW(natural, sizeof bitmap, &bitmap);
        DeleteObject(natural);
        size = {bitmap.bmWidth, bitmap.bmHeight};
    }
    return load(MulDiv(size.cx, int(dpi), 96), MulDiv(size.cy, int(dpi), 96));
}

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

} // namespace

Form::Form(const forms::WindowTable& table) : table_(table) {
    registerWindowClass();
    const HDC screen = GetDC(nullptr);
    dpi_ = UINT(GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    windowBrush_ = CreateSolidBrush(resolve(table.background, COLOR_BTNFACE));

    const bool dialog = table.border == forms::Border::FixedDialog;
    const DWORD style =
        (dialog ? WS_POPUP | WS_CAPTION | WS_SYSMENU : WS_OVERLAPPEDWINDOW) | WS_CLIPCHILDREN;
    const DWORD extendedStyle = dialog ? WS_EX_DLGMODALFRAME : 0;
    RECT frame{0, 0, pixels(table.clientWidth), pixels(table.clientHeight)};
    AdjustWindowRectEx(&frame, style, !table.menus.empty(), extendedStyle);
    const bool placed = table.clientLeft >= 0;
    window_ = CreateWindowExW(extendedStyle, windowClass, wide(table.caption).c_str(), style,
                              placed ? pixels(table.clientLeft) + frame.left : CW_USEDEFAULT,
                              placed ? pixels(table.clientTop) + frame.top : CW_USEDEFAULT,
                              frame.right - frame.left, frame.bottom - frame.top,
                              dialog ? hiddenOwner() : nullptr, nullptr, GetModuleHandleW(nullptr),
                              nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form::procedure));
    ++liveWindows;
    createMenus();
    createControls();
}

Form::~Form() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    for (const HFONT font : fonts_) {
        DeleteObject(font);
    }
    for (const auto& [picture, icon] : pictures_) {
        icon ? void(DestroyIcon(static_cast<HICON>(picture))) : void(DeleteObject(picture));
    }
    for (const auto& [control, brush] : backgrounds_) {
        DeleteObject(brush);
    }
    DeleteObject(windowBrush_);
}

int Form::pixels(int twips) const {
    return MulDiv(twips, int(dpi_), 1440);
}

void Form::createMenus() {
    if (table_.menus.empty()) {
        return;
    }
    const HMENU bar = CreateMenu();
    int id = firstMenuId;
    for (const forms::MenuRow& menu : table_.menus) {
        if (menu.items.empty()) {
            AppendMenuW(bar, MF_STRING, UINT_PTR(id), wide(menu.caption).c_str());
            commandNames_[id++] = menu.name;
            continue;
        }
        const HMENU dropDown = CreatePopupMenu();
        for (const forms::MenuItemRow& item : menu.items) {
            AppendMenuW(dropDown, MF_STRING, UINT_PTR(id), wide(item.caption).c_str());
            commandNames_[id++] = item.name;
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(dropDown),
                    wide(menu.caption).c_str());
    }
    SetMenu(window_, bar);
}

// In tab-index order, which is also the order Tab follows; a label that names a control comes
// just before it, where a screen reader looks for the control's name.
void Form::createControls() {
    std::vector<const forms::ControlRow*> rows;
    for (const forms::ControlRow& row : table_.controls) {
        rows.push_back(&row);
    }
    std::ranges::sort(rows, {}, &forms::ControlRow::tabIndex);
    const auto named = [&](const char* name) {
        return std::ranges::find_if(rows, [&](const forms::ControlRow* row) {
            return std::string_view(row->name) == name;
        });
    };
    for (const forms::AccessibleRow& label : table_.accessible) {
        if (label.labels != nullptr) {
            const forms::ControlRow* moved = *named(label.control);
            rows.erase(named(label.control));
            rows.insert(named(label.labels), moved);
        }
    }
    for (const forms::ControlRow* row : rows) {
        // Numbered by their place in the table, which automation can count on.
        const int id = firstControlId + int(row - table_.controls.data());
        const wchar_t* type = L"STATIC";
        DWORD style = WS_CHILD | WS_VISIBLE;
        DWORD extendedStyle = 0;
        switch (row->kind) {
        case forms::ControlKind::TextBox:
            type = L"EDIT";
            style |= WS_TABSTOP | ES_AUTOHSCROLL;
            extendedStyle = WS_EX_CLIENTEDGE;
            break;
        case forms::ControlKind::Label:
            style |= SS_LEFT | SS_NOPREFIX;
            break;
        case forms::ControlKind::CommandButton:
            type = L"BUTTON";
            style |= WS_TABSTOP | BS_OWNERDRAW;
            break;
        case forms::ControlKind::PictureBox:
            style |= std::string_view(row->picture).ends_with(".ico") ? SS_ICON : SS_BITMAP;
            extendedStyle = WS_EX_CLIENTEDGE;
            break;
        }
        const HWND control = CreateWindowExW(
            extendedStyle, type, wide(row->text).c_str(), style, pixels(row->left),
            pixels(row->top), pixels(row->width), pixels(row->height), window_,
            reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
        const int points100 = int(row->font.points * 100);
        const HFONT font = CreateFontW(-MulDiv(points100, int(dpi_), 7200), 0, 0, 0,
                                       row->font.bold ? FW_BOLD : FW_NORMAL, 0, 0, 0,
                                       DEFAULT_CHARSET, 0, 0, DEFAULT_QUALITY, 0, L"MS Sans Serif");
        fonts_.push_back(font);
        SendMessageW(control, WM_SETFONT, WPARAM(font), FALSE);
        if (row->kind == forms::ControlKind::PictureBox) {
            const HANDLE picture = loadPicture(row->picture, dpi_);
            pictures_.emplace_back(picture, (style & SS_ICON) == SS_ICON);
            SendMessageW(control, STM_SETIMAGE,
                         (style & SS_ICON) == SS_ICON ? IMAGE_ICON : IMAGE_BITMAP, LPARAM(picture));
            // The control took the picture's size; the box keeps its own.
            MoveWindow(control, pixels(row->left), pixels(row->top), pixels(row->width),
                       pixels(row->height), FALSE);
        }
        backgrounds_[control] = CreateSolidBrush(
            resolve(row->background,
                    row->kind == forms::ControlKind::TextBox ? COLOR_WINDOW : COLOR_BTNFACE));
        controls_[row->name] = control;
        commandNames_[id] = row->name;
    }
    if (!rows.empty()) {
        SetFocus(controls_[rows.front()->name]);
    }
}

const forms::ControlRow* Form::rowOf(HWND control) const {
    const auto index = std::size_t(GetDlgCtrlID(control) - firstControlId);
    return index < table_.controls.size() ? &table_.controls[index] : nullptr;
}

HWND Form::control(const char* name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

void Form::onCommand(const char* name, std::function<void()> action) {
    commands_[name] = std::move(action);
}

void Form::show() {
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
}

int Form::openWindows() {
    return liveWindows;
}

std::string Form::text(const char* name) const {
    const HWND box = control(name);
    std::wstring text(std::size_t(GetWindowTextLengthW(box)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(box, text.data(), int(text.size()))));
    return utf8(text);
}

void Form::setText(const char* name, const std::string& text) {
    SetWindowTextW(control(name), wide(text).c_str());
}

void Form::setCaption(const std::string& caption) {
    SetWindowTextW(window_, wide(caption).c_str());
}

// Straight onto the window, once: nothing draws it again, and the controls clip it.
void Form::printLine(const std::string& text) {
    const HDC dc = GetDC(window_);
    const HFONT font = CreateFontW(-MulDiv(825, int(dpi_), 7200), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                                   DEFAULT_CHARSET, 0, 0, DEFAULT_QUALITY, 0, L"MS Sans Serif");
    const HGDIOBJ previous = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    const std::wstring line = wide(text);
    TextOutW(dc, pixels(textCursor_.x), pixels(textCursor_.y), line.c_str(), int(line.size()));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    DeleteObject(font);
    ReleaseDC(window_, dc);
    textCursor_ = {0, textCursor_.y + MulDiv(metrics.tmHeight, 1440, int(dpi_))};
}

void Form::closeWindow() {
    DestroyWindow(window_);
}

LRESULT CALLBACK Form::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return form != nullptr ? form->handle(message, wParam, lParam)
                           : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Form::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        int id = LOWORD(wParam);
        // Enter and Escape, as IsDialogMessage reports them, press the default and cancel buttons.
        const char* pressed = id == IDOK       ? table_.defaultButton
                              : id == IDCANCEL ? table_.cancelButton
                                               : nullptr;
        const auto named = commandNames_.find(id);
        const std::string name = pressed != nullptr             ? pressed
                                 : named != commandNames_.end() ? named->second
                                                                : std::string();
        if (const auto command = commands_.find(name);
            command != commands_.end() && HIWORD(wParam) == 0) {
            command->second();
        }
        return 0;
    }
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(window_, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, windowBrush_);
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window_, &paint);
        paintLines(dc);
        EndPaint(window_, &paint);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        return colourControl(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM:
        drawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DESTROY:
        window_ = nullptr;
        if (--liveWindows == 0) {
            PostQuitMessage(0);
        }
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

// As Windows draws a line: from its first point up to, not including, its last.
void Form::paintLines(HDC dc) const {
    for (const forms::LineRow& line : table_.lines) {
        const HPEN pen = CreatePen(PS_SOLID, line.widthPixels, resolve(line.colour, COLOR_BTNTEXT));
        const HGDIOBJ previous = SelectObject(dc, pen);
        MoveToEx(dc, pixels(line.x1), pixels(line.y1), nullptr);
        LineTo(dc, pixels(line.x2), pixels(line.y2));
        SelectObject(dc, previous);
        DeleteObject(pen);
    }
}

// The graphical button style: the face in its colour, a raised edge that sinks while pressed,
// the caption in bold, a dotted rectangle while it has the focus.
void Form::drawButton(const DRAWITEMSTRUCT& item) const {
    const forms::ControlRow* row = rowOf(item.hwndItem);
    RECT face = item.rcItem;
    const HBRUSH brush = CreateSolidBrush(resolve(row->background, COLOR_BTNFACE));
    FillRect(item.hDC, &face, brush);
    DeleteObject(brush);
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    DrawEdge(item.hDC, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    RECT caption = face;
    OffsetRect(&caption, pressed ? 1 : 0, pressed ? 1 : 0);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, resolve(row->foreground, COLOR_BTNTEXT));
    const std::wstring text = wide(row->text);
    DrawTextW(item.hDC, text.c_str(), int(text.size()), &caption,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = face;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(item.hDC, &focus);
    }
}

LRESULT Form::colourControl(HDC dc, HWND control) {
    const forms::ControlRow* row = rowOf(control);
    if (row == nullptr) {
        return DefWindowProcW(window_, WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(control));
    }
    const bool box = row->kind == forms::ControlKind::TextBox;
    SetTextColor(dc, resolve(row->foreground, box ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
    SetBkColor(dc, resolve(row->background, box ? COLOR_WINDOW : COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(backgrounds_.at(control));
}

} // namespace win32
