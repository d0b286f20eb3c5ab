// The window procedure of every window the program builds from a table: commands to handlers,
// the focus kept across activations, colours and drawing, DPI changes, and the program's end
// with its last window or with the session.

#include "Form.h"

#include "FormSurface.h"

namespace win32 {

LRESULT CALLBACK Form::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return form != nullptr ? form->handle(window, message, wParam, lParam)
                           : DefWindowProcW(window, message, wParam, lParam);
}

// `window` is the procedure's own: from WM_DESTROY on, the form no longer holds it.
LRESULT Form::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        command(wParam);
        return 0;
    case WM_ACTIVATE:
        activate(wParam);
        return 0;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(window_, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, windowBrush_);
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window_, &paint);
        drawLines(dc, table_, dpi_);
        EndPaint(window_, &paint);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        return colourControl(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const forms::ControlRow& row = *rowOf(item.hwndItem);
        row.kind == forms::ControlKind::Label ? drawLabel(item, row) : drawButton(item, row);
        return TRUE;
    }
    case WM_DPICHANGED:
        if (const auto& suggested = *reinterpret_cast<const RECT*>(lParam);
            isPossibleDpiChange(HIWORD(wParam), suggested)) {
            changeDpi(HIWORD(wParam), suggested);
        }
        return 0;
    // The program has nothing to save: it agrees to the session's end, or to the Restart
    // Manager's request to close it for an installer, and then ends.
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wParam != FALSE) {
            PostQuitMessage(0);
        }
        return 0;
    case WM_DESTROY:
        window_ = nullptr;
        if (--liveWindows_ == 0) {
            PostQuitMessage(0);
        }
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void Form::command(WPARAM wParam) {
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) != 0) {
        return; // a box's notification, not a click or a menu choice
    }
    // Enter and Escape, as IsDialogMessage reports them, press the default and cancel buttons;
    // Enter presses a button that has the focus instead.
    const forms::ControlRow* focused = rowOf(GetFocus());
    const bool onButton = focused != nullptr && focused->kind == forms::ControlKind::CommandButton;
    const char* pressed = id == IDOK && onButton ? focused->name
                          : id == IDOK           ? table_.defaultButton
                          : id == IDCANCEL       ? table_.cancelButton
                                                 : nullptr;
    const auto named = commandNames_.find(id);
    const std::string name = pressed != nullptr             ? pressed
                             : named != commandNames_.end() ? named->second
                                                            : std::string();
    if (const auto action = commands_.find(name); action != commands_.end()) {
        action->second();
    }
}

// As dialogs do: the control that had the focus when the window lost it has it again when the
// window comes back, after a message box too; at first, the first control in tab order.
void Form::activate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focused = GetFocus();
        if (focused != nullptr && IsChild(window_, focused)) {
            focus_ = focused;
        }
    } else if (HIWORD(wParam) == 0) { // not minimised
        SetFocus(focus_ != nullptr && IsWindow(focus_) ? focus_ : window_);
    }
}

LRESULT Form::colourControl(HDC dc, HWND control) {
    const forms::ControlRow* row = rowOf(control);
    if (row == nullptr) {
        return DefWindowProcW(window_, WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(control));
    }
    const bool box = row->kind == forms::ControlKind::TextBox;
    SetTextColor(dc, resolve(row->foreground, box ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
    SetBkColor(dc, backgroundOf(*row));
    return reinterpret_cast<LRESULT>(backgrounds_.at(control));
}

} // namespace win32
