#include "FormBuilder.h"

#include "AccessibleNames.h"
#include "PictureBox.h"
#include "Utf16.h"

#include <algorithm>

namespace win32 {

namespace {

struct ControlType {
    const wchar_t* windowClass;
    DWORD style;
    DWORD extendedStyle;
};

ControlType typeOf(forms::ControlKind kind) {
    switch (kind) {
    case forms::ControlKind::TextBox:
        return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case forms::ControlKind::CommandButton:
        return {L"BUTTON", WS_TABSTOP | BS_OWNERDRAW, 0};
    case forms::ControlKind::PictureBox:
        return {pictureBox::className, WS_TABSTOP, WS_EX_CLIENTEDGE};
    case forms::ControlKind::Label:
        break;
    }
    return {L"STATIC", SS_OWNERDRAW, 0}; // its lines break as on every front end
}

} // namespace

int controlId(const forms::WindowTable& table, std::string_view name) {
    const auto found = std::ranges::find(table.controls, name, [](const forms::ControlRow& row) {
        return std::string_view(row.name);
    });
    return found == table.controls.end() ? 0 : firstControlId + int(found - table.controls.begin());
}

int toPixels(int twips, UINT dpi) {
    return MulDiv(twips, int(dpi), 1440);
}

HFONT createFont(forms::FontSpec font, UINT dpi) {
    return CreateFontW(
        -MulDiv(int(font.points * 100), int(dpi), 7200), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL,
        0, 0, 0, DEFAULT_CHARSET, 0, 0, DEFAULT_QUALITY, 0,
        forms::takesBitmapFont(font, dpi / 96.0) ? L"MS Sans Serif" : L"Microsoft Sans Serif");
}

HMENU buildMenuBar(std::span<const forms::MenuRow> menus, std::map<int, std::string>& names) {
    const HMENU bar = CreateMenu();
    int id = firstMenuId;
    for (const forms::MenuRow& menu : menus) {
        if (menu.items.empty()) {
            AppendMenuW(bar, MF_STRING, UINT_PTR(id), wide(menu.caption).c_str());
            names[id++] = menu.name;
            continue;
        }
        const HMENU dropDown = CreatePopupMenu();
        for (const forms::MenuItemRow& item : menu.items) {
            AppendMenuW(dropDown, MF_STRING, UINT_PTR(id), wide(item.caption).c_str());
            names[id++] = item.name;
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(dropDown),
                    wide(menu.caption).c_str());
    }
    return bar;
}

std::vector<HWND> buildControls(HWND window, const forms::WindowTable& table) {
    pictureBox::registerClass();
    std::vector<const forms::ControlRow*> rows;
    for (const forms::ControlRow& row : table.controls) {
        rows.push_back(&row);
    }
    std::ranges::stable_sort(rows, {}, &forms::ControlRow::tabIndex);
    std::vector<HWND> controls;
    for (const forms::ControlRow* row : rows) {
        const ControlType type = typeOf(row->kind);
        const int id = firstControlId + int(row - table.controls.data());
        const HWND control = CreateWindowExW(
            type.extendedStyle, type.windowClass, wide(row->text).c_str(),
            WS_CHILD | WS_VISIBLE | type.style, 0, 0, 0, 0, window,
            reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
        if (control == nullptr) {
            continue; // the window works on without it
        }
        if (row->kind == forms::ControlKind::TextBox) {
            SendMessageW(control, EM_SETLIMITTEXT, 0, 0); // no length limit, as on Linux
        }
        controls.push_back(control);
    }
    for (const forms::AccessibleRow& row : table.accessible) {
        const int id = controlId(table, row.control);
        if (const HWND control = GetDlgItem(window, id); control != nullptr) {
            annotate(control, row, table.controls[std::size_t(id - firstControlId)].kind);
        }
    }
    return controls;
}

FontSet::~FontSet() {
    for (const auto& [asked, font] : fonts_) {
        DeleteObject(font);
    }
}

HFONT FontSet::font(forms::FontSpec asked) {
    const auto made = std::ranges::find(fonts_, asked, &std::pair<forms::FontSpec, HFONT>::first);
    if (made != fonts_.end()) {
        return made->second;
    }
    return fonts_.emplace_back(asked, createFont(asked, dpi_)).second;
}

void placeControls(HWND window, const forms::WindowTable& table, FontSet& fonts, UINT dpi) {
    int id = firstControlId;
    for (const forms::ControlRow& row : table.controls) {
        const HWND control = GetDlgItem(window, id++);
        if (control == nullptr) {
            continue;
        }
        MoveWindow(control, toPixels(row.left, dpi), toPixels(row.top, dpi),
                   toPixels(row.width, dpi), toPixels(row.height, dpi), TRUE);
        SendMessageW(control, WM_SETFONT, WPARAM(fonts.font(row.font)), TRUE);
        if (row.kind == forms::ControlKind::PictureBox) {
            pictureBox::showPicture(control, row.picture, dpi);
        }
    }
}

} // namespace win32
