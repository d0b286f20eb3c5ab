// The Windows floor: a bare Win32 window with the main window's controls and menu bar, made with
// the system's own control classes and nothing else, for comparing start-up time under Wine.

#include <windows.h>

namespace {

struct Control {
    const wchar_t* type;
    const wchar_t* text;
    int x, y, width, height;
};

// The main window's controls at 96 dpi.
constexpr Control controls[] = {
    {L"EDIT", L"", 48, 56, 41, 33},
    {L"EDIT", L"", 152, 56, 41, 33},
    {L"EDIT", L"", 256, 56, 41, 33},
    {L"EDIT", L"", 56, 304, 73, 41},
    {L"EDIT", L"", 216, 304, 73, 41},
    {L"STATIC", L"X \u00B2", 96, 64, 25, 25},
    {L"STATIC", L"+", 128, 64, 17, 25},
    {L"STATIC", L"X", 200, 64, 25, 25},
    {L"STATIC", L"+", 232, 64, 17, 25},
    {L"STATIC", L"X=", 16, 312, 33, 25},
    {L"STATIC", L"Or", 136, 312, 25, 25},
    {L"STATIC", L"X=", 176, 312, 33, 25},
    {L"BUTTON", L"CALCULATE", 56, 168, 193, 57},
    {L"BUTTON", L"CLEAR", 80, 376, 145, 49},
};

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW type{};
    type.lpfnWndProc = procedure;
    type.hInstance = instance;
    type.hbrBackground = CreateSolidBrush(RGB(192, 0, 0));
    type.lpszClassName = L"Floor";
    RegisterClassW(&type);
    const HMENU bar = CreateMenu();
    const HMENU options = CreatePopupMenu();
    AppendMenuW(options, MF_STRING, 1, L"&About");
    AppendMenuW(options, MF_STRING, 2, L"E&xit");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(options), L"&Options");
    AppendMenuW(bar, MF_STRING, 3, L"Help");
    const HWND window = CreateWindowExW(0, L"Floor", L"Floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                        CW_USEDEFAULT, 362, 535, nullptr, bar, instance, nullptr);
    const HFONT font = CreateFontW(-18, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                   DEFAULT_QUALITY, 0, L"MS Sans Serif");
    for (const Control& control : controls) {
        const HWND made = CreateWindowExW(
            0, control.type, control.text, WS_CHILD | WS_VISIBLE | WS_TABSTOP, control.x, control.y,
            control.width, control.height, window, nullptr, instance, nullptr);
        SendMessageW(made, WM_SETFONT, WPARAM(font), FALSE);
    }
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return 0;
}
