// The window suite's probe over the Windows front end: windows made as the program makes them
// and moved to the run's scaling as Windows moves a window to a monitor of that scaling,
// controls found by the numbers the tables give them, keys sent as the keyboard sends them
// through the program's own loop, pictures read from the screen, and the system's message boxes
// answered from a timer that watches for them.

#include "WindowProbe.h"

#include "AboutBoxTable.h"
#include "FormBuilder.h"
#include "FormSurface.h"
#include "MainWindowTable.h"
#include "MessageBox.h"
#include "Utf16.h"
#include "Windows.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <gdiplus.h>
#include <oleacc.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <utility>

namespace probe {

namespace {

double runScale = 1;
Answer answer = Answer::Enter;
std::vector<MessageSeen> seen;

UINT runDpi() {
    return UINT(96 * runScale + 0.5);
}

// Runs the program's own loop for a moment.
void pump() {
    for (int round = 0; round < 10; ++round) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            win32::dispatch(message);
        }
        Sleep(10);
    }
}

pictures::Picture clientPicture(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    pictures::Picture picture{client.right, client.bottom, {}};
    BITMAPINFO format{};
    format.bmiHeader = {
        sizeof(BITMAPINFOHEADER), picture.width, -picture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    const HDC screen = GetDC(window);
    const HDC copy = CreateCompatibleDC(screen);
    void* bits = nullptr;
    const HBITMAP sheet = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(copy, sheet);
    BitBlt(copy, 0, 0, picture.width, picture.height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (int i = 0; i < picture.width * picture.height; ++i) {
        picture.pixels.push_back(pixels[i] | 0xFF000000);
    }
    SelectObject(copy, previous);
    DeleteObject(sheet);
    DeleteDC(copy);
    ReleaseDC(window, screen);
    return picture;
}

// Each key down in turn, then each up in reverse.
void sendKeys(const std::vector<WORD>& keys) {
    std::vector<INPUT> strokes(keys.size() * 2, INPUT{INPUT_KEYBOARD, {}});
    for (std::size_t i = 0; i < keys.size(); ++i) {
        strokes[i].ki.wVk = strokes[strokes.size() - 1 - i].ki.wVk = keys[i];
        strokes[strokes.size() - 1 - i].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(UINT(strokes.size()), strokes.data(), sizeof(INPUT));
}

void CALLBACK answerShownMessage(HWND, UINT, UINT_PTR, DWORD) {
    static bool answering = false;
    const HWND box = FindWindowW(L"#32770", nullptr);
    DWORD process = 0;
    GetWindowThreadProcessId(box, &process);
    if (answering || box == nullptr || process != GetCurrentProcessId() || !IsWindowVisible(box)) {
        return;
    }
    answering = true;
    UpdateWindow(box);
    int buttons = 0;
    for (HWND button = nullptr; (button = FindWindowExW(box, button, L"Button", nullptr));) {
        ++buttons;
    }
    MessageSeen message{win32::windowText(box),
                        win32::windowText(GetDlgItem(box, 0xFFFF)),
                        buttons,
                        {},
                        clientPicture(box)};
    seen.push_back(std::move(message));
    switch (answer) {
    case Answer::Enter:
        sendKeys({VK_RETURN});
        break;
    case Answer::Escape:
        sendKeys({VK_ESCAPE});
        break;
    case Answer::CloseButton:
        PostMessageW(box, WM_CLOSE, 0, 0);
        break;
    case Answer::ClickOk:
        PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        break;
    }
    answering = false;
}

// As Windows does when a window moves to a monitor of another scaling: it suggests a place with
// the client area scaled, which the window takes.
void moveToDpi(HWND window, UINT dpi) {
    RECT client;
    GetClientRect(window, &client);
    RECT suggested{0, 0, MulDiv(client.right, int(dpi), 96), MulDiv(client.bottom, int(dpi), 96)};
    AdjustWindowRectExForDpi(&suggested, DWORD(GetWindowLongW(window, GWL_STYLE)),
                             GetMenu(window) != nullptr, DWORD(GetWindowLongW(window, GWL_EXSTYLE)),
                             dpi);
    RECT place;
    GetWindowRect(window, &place);
    // Somewhere else, as on a monitor beside the first.
    OffsetRect(&suggested, place.left - suggested.left + 40, place.top - suggested.top + 30);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    pump();
    GetWindowRect(window, &place);
    EXPECT_EQ(std::pair(place.left, place.top), std::pair(suggested.left, suggested.top))
        << "the window takes the place Windows suggests";
}

forms::ControlKind kindHeard(const VARIANT& role) {
    const std::map<long, forms::ControlKind> kinds = {
        {ROLE_SYSTEM_TEXT, forms::ControlKind::TextBox},
        {ROLE_SYSTEM_PUSHBUTTON, forms::ControlKind::CommandButton},
        {ROLE_SYSTEM_GRAPHIC, forms::ControlKind::PictureBox}};
    const auto found = kinds.find(role.vt == VT_I4 ? role.lVal : 0);
    return found != kinds.end() ? found->second : forms::ControlKind::Label;
}

// What a late-bound client hears as the name; "(nothing)" where it hears none.
std::string lateBoundName(IAccessible* accessible) {
    DISPPARAMS none{};
    VARIANT name{};
    if (accessible->Invoke(DISPID_ACC_NAME, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET,
                           &none, &name, nullptr, nullptr) != S_OK ||
        name.vt != VT_BSTR) {
        return "(nothing)";
    }
    const std::string said = win32::utf8(name.bstrVal != nullptr ? name.bstrVal : L"");
    VariantClear(&name);
    return said;
}

// Whether the object is one COM object, its window interface included, and belongs to `control`.
bool isOneObjectOf(IAccessible* accessible, HWND control) {
    IOleWindow* window = nullptr;
    if (accessible->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&window)) != S_OK) {
        return false;
    }
    IUnknown* throughWindow = nullptr;
    IUnknown* throughAccessible = nullptr;
    HWND told = nullptr;
    window->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&throughWindow));
    accessible->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&throughAccessible));
    window->GetWindow(&told);
    const bool one = throughWindow != nullptr && throughWindow == throughAccessible;
    for (IUnknown* held : {static_cast<IUnknown*>(window), throughWindow, throughAccessible}) {
        if (held != nullptr) {
            held->Release();
        }
    }
    return one && told == control;
}

// The number of a menu item, as automation counts on it: from 1000, in menu order.
int menuId(const forms::WindowTable& table, std::string_view name) {
    int id = 1000;
    for (const forms::MenuRow& menu : table.menus) {
        if (menu.items.empty() && menu.name == name) {
            return id;
        }
        id += menu.items.empty() ? 1 : 0;
        for (const forms::MenuItemRow& item : menu.items) {
            if (item.name == name) {
                return id;
            }
            ++id;
        }
    }
    return 0;
}

Area areaOf(const RECT& rect) {
    return {double(rect.left), double(rect.top), double(rect.right - rect.left),
            double(rect.bottom - rect.top)};
}

class Win32Window final : public Window {
public:
    Win32Window(std::unique_ptr<win32::Form> form, const forms::WindowTable& table)
        : form_(std::move(form)), table_(table) {
        form_->show();
        pump();
        if (runDpi() != 96) {
            moveToDpi(form_->window(), runDpi());
        }
    }

    bool isOpen() const { return form_->window() != nullptr; }
    Area clientArea() const override {
        RECT client;
        GetClientRect(form_->window(), &client);
        MapWindowPoints(form_->window(), nullptr, reinterpret_cast<POINT*>(&client), 2);
        return areaOf(client);
    }
    bool resizable() const override {
        return (GetWindowLongW(form_->window(), GWL_STYLE) & WS_THICKFRAME) != 0;
    }
    // As the taskbar decides.
    bool inTaskbar() const override {
        const LONG extended = GetWindowLongW(form_->window(), GWL_EXSTYLE);
        return (extended & WS_EX_APPWINDOW) != 0 ||
               (GetWindow(form_->window(), GW_OWNER) == nullptr &&
                (extended & WS_EX_TOOLWINDOW) == 0);
    }

    Area place(const char* control) const override {
        RECT place;
        GetWindowRect(form_->control(control), &place);
        MapWindowPoints(nullptr, form_->window(), reinterpret_cast<POINT*>(&place), 2);
        return areaOf(place);
    }
    FontSeen font(const char* control) const override {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(form_->control(control), WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        return {double(-font.lfHeight), font.lfWeight >= FW_BOLD};
    }
    std::string text(const char* control) const override {
        return win32::windowText(form_->control(control));
    }
    std::vector<std::string> lines(const char* control) const override {
        const bool label =
            std::ranges::find(table_.controls, std::string_view(control), &forms::ControlRow::name)
                ->kind == forms::ControlKind::Label;
        return label ? win32::labelLines(form_->control(control)) : std::vector{text(control)};
    }
    Area measure(const char* control, const std::string& line) const override {
        const HWND shown = form_->control(control);
        const HDC dc = GetDC(shown);
        const HGDIOBJ previous = SelectObject(dc, HGDIOBJ(SendMessageW(shown, WM_GETFONT, 0, 0)));
        RECT bounds{};
        DrawTextW(dc, win32::wide(line).c_str(), -1, &bounds,
                  DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, previous);
        ReleaseDC(shown, dc);
        return areaOf(bounds);
    }
    Heard heard(const char* control) const override {
        IAccessible* accessible = nullptr;
        if (AccessibleObjectFromWindow(form_->control(control), DWORD(OBJID_CLIENT),
                                       __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&accessible)) != S_OK) {
            return {forms::ControlKind::Label, "(nothing)", "(nothing)"};
        }
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        VARIANT role{};
        accessible->get_accRole(self, &role);
        Heard heard{kindHeard(role), {}, {}};
        for (const auto& [get, said] : {std::pair{&IAccessible::get_accName, &heard.name},
                                        {&IAccessible::get_accDescription, &heard.description}}) {
            BSTR text = nullptr;
            (accessible->*get)(self, &text);
            *said = win32::utf8(text != nullptr ? text : L"");
            SysFreeString(text);
        }
        // Where the program names a control, every client hears the same from one object.
        if (std::ranges::any_of(table_.accessible, [control](const auto& row) {
                return row.control == std::string_view(control);
            })) {
            if (const std::string late = lateBoundName(accessible); late != heard.name) {
                heard.name += " (late-bound: " + late + ")";
            }
            if (!isOneObjectOf(accessible, form_->control(control))) {
                heard.name += " (not one COM object)";
            }
        }
        accessible->Release();
        return heard;
    }
    std::string focused() const override {
        const auto index = std::size_t(GetDlgCtrlID(GetFocus()) - win32::firstControlId);
        return !isOpen() ? "(closed)"
               : IsChild(form_->window(), GetFocus()) && index < table_.controls.size()
                   ? table_.controls[index].name
                   : "(elsewhere)";
    }

    void setFocus(const char* control) override {
        SetFocus(form_->control(control));
        pump();
    }
    void click(const char* control) override {
        const HWND shown = form_->control(control);
        PostMessageW(shown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        PostMessageW(shown, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        pump();
    }
    void holdDown(const char* button) override {
        SendMessageW(form_->control(button), BM_SETSTATE, TRUE, 0);
        pump();
    }
    void choose(const char* menuItem) override {
        PostMessageW(form_->window(), WM_COMMAND, WPARAM(menuId(table_, menuItem)), 0);
        pump();
    }
    void switchAwayAndBack() override {
        const HWND elsewhere =
            CreateWindowExW(0, L"STATIC", L"Elsewhere", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 100, 100,
                            nullptr, nullptr, nullptr, nullptr);
        SetActiveWindow(elsewhere);
        pump();
        SetActiveWindow(form_->window());
        pump();
        DestroyWindow(elsewhere);
    }
    void minimiseAndRestore() override {
        ShowWindow(form_->window(), SW_MINIMIZE);
        pump();
        ShowWindow(form_->window(), SW_RESTORE);
        pump();
    }
    pictures::Picture picture() const override {
        pump();
        return clientPicture(form_->window());
    }
    forms::WindowView& view() override { return *form_; }

private:
    std::unique_ptr<win32::Form> form_;
    const forms::WindowTable& table_;
};

win32::ModalMessageBox programMessages;

} // namespace

std::shared_ptr<void> start(int&, char**, double scale) {
    runScale = scale;
    SetCaretBlinkTime(INFINITE); // a steady text cursor keeps pictures comparable
    SetTimer(nullptr, 0, 20, answerShownMessage);
    return nullptr;
}

double scale() {
    return runScale;
}

std::string referenceFolder() {
    const char* scheme = std::getenv("BRINTAMO_COLOUR_SCHEME");
    return BRINTAMO_WINDOW_SUITE_DATA "/reference/win32" + std::string(scheme ? "/" : "") +
           (scheme ? scheme : "");
}

std::unique_ptr<Window> open(const forms::WindowTable& table) {
    std::unique_ptr<win32::Form> form;
    if (&table == &forms::mainWindowTable()) {
        form = std::make_unique<win32::MainWindow>(programMessages);
    } else if (&table == &forms::aboutBoxTable()) {
        form = std::make_unique<win32::AboutBox>(programMessages);
    } else {
        form = std::make_unique<win32::Form>(table);
    }
    return std::make_unique<Win32Window>(std::move(form), table);
}

void press(const std::string& keys) {
    std::vector<WORD> held;
    std::string_view rest = keys;
    for (const auto& [name, key] :
         {std::pair{"Shift+", VK_SHIFT}, {"Alt+", VK_MENU}, {"Ctrl+", VK_CONTROL}}) {
        if (rest.starts_with(name)) {
            held.push_back(WORD(key));
            rest.remove_prefix(std::string_view(name).size());
        }
    }
    const std::pair<std::string_view, WORD> named[] = {
        {"Tab", VK_TAB}, {"Enter", VK_RETURN}, {"Escape", VK_ESCAPE}, {"Space", VK_SPACE}};
    const auto found = std::ranges::find(named, rest, &std::pair<std::string_view, WORD>::first);
    // A character by its key: '-' on the number pad, letters and digits as themselves.
    held.push_back(found != std::end(named) ? found->second
                   : rest == "-"            ? WORD(VK_SUBTRACT)
                                            : WORD(rest[0]));
    sendKeys(held);
    pump();
}

void setClipboard(const std::string& text) {
    const std::wstring wide = win32::wide(text);
    const HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    std::copy_n(wide.c_str(), wide.size() + 1, static_cast<wchar_t*>(GlobalLock(copy)));
    GlobalUnlock(copy);
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, copy);
    CloseClipboard();
}

void answerMessages(Answer how) {
    answer = how;
}

std::vector<MessageSeen> takeMessagesSeen() {
    return std::exchange(seen, {});
}

int windowsTitled(const std::string& title) {
    pump();
    int count = 0;
    for (HWND window = nullptr;
         (window = FindWindowExW(nullptr, window, L"BrintamoForm", win32::wide(title).c_str()));) {
        count += IsWindowVisible(window) ? 1 : 0;
    }
    return count;
}

std::string activeTitle() {
    return win32::windowText(GetActiveWindow());
}

std::uint32_t colour(const forms::Colour& colour, forms::ControlKind kind) {
    const COLORREF resolved =
        win32::resolve(colour, kind == forms::ControlKind::TextBox ? COLOR_WINDOW : COLOR_BTNFACE);
    return GetRValue(resolved) << 16 | GetGValue(resolved) << 8 | GetBValue(resolved);
}

} // namespace probe

namespace pictures {

namespace {

// PNG files through GDI+, started once for the test program.
void startGdiplus() {
    static const ULONG_PTR token = [] {
        ULONG_PTR started = 0;
        const Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&started, &input, nullptr);
        return started;
    }();
    (void)token;
}

} // namespace

bool save(const Picture& picture, const std::string& file) {
    startGdiplus();
    static const CLSID png{
        0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    Gdiplus::Bitmap bitmap(
        picture.width, picture.height, picture.width * 4, PixelFormat32bppRGB,
        reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(picture.pixels.data())));
    return bitmap.Save(win32::wide(file).c_str(), &png, nullptr) == Gdiplus::Ok;
}

Picture load(const std::string& file) {
    startGdiplus();
    Gdiplus::Bitmap bitmap(win32::wide(file).c_str());
    Picture picture{int(bitmap.GetWidth()), int(bitmap.GetHeight()), {}};
    picture.pixels.resize(std::size_t(picture.width * picture.height));
    Gdiplus::BitmapData pixels{UINT(picture.width), UINT(picture.height),  picture.width * 4,
                               PixelFormat32bppRGB, picture.pixels.data(), 0};
    const Gdiplus::Rect all(0, 0, picture.width, picture.height);
    if (bitmap.LockBits(&all, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                        PixelFormat32bppRGB, &pixels) == Gdiplus::Ok) {
        bitmap.UnlockBits(&pixels);
    }
    return picture;
}

} // namespace pictures
