#include "FormSurface.h"

#include "Contrast.h"
#include "FormBuilder.h"
#include "LabelLines.h"
#include "Utf16.h"

namespace win32 {

std::string windowText(HWND window) {
    std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return utf8(text);
}

namespace {

// Measured on `dc`, which holds the label's font.
std::vector<std::string> linesOn(HDC dc, HWND label) {
    RECT room;
    GetClientRect(label, &room);
    return forms::labelLines(windowText(label), room.right, [dc](std::string_view part) {
        const std::wstring line = wide(part);
        SIZE size{};
        GetTextExtentPoint32W(dc, line.c_str(), int(line.size()), &size);
        return double(size.cx);
    });
}

HGDIOBJ selectFontOf(HDC dc, HWND control) {
    return SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
}

} // namespace

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

COLORREF backgroundOf(const forms::ControlRow& row) {
    if (row.kind != forms::ControlKind::TextBox) {
        return resolve(row.background, COLOR_BTNFACE);
    }
    const auto rgb = [](COLORREF colour) {
        return std::uint32_t(GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour));
    };
    const COLORREF described = resolve(row.background, COLOR_WINDOW);
    return forms::readable(rgb(resolve(row.foreground, COLOR_WINDOWTEXT)), rgb(described))
               ? described
               : GetSysColor(COLOR_WINDOW);
}

void drawLines(HDC dc, const forms::WindowTable& table, UINT dpi) {
    for (const forms::LineRow& line : table.lines) {
        const HPEN pen = CreatePen(PS_SOLID, MulDiv(line.widthPixels, int(dpi), 96),
                                   resolve(line.colour, COLOR_BTNTEXT));
        const HGDIOBJ previous = SelectObject(dc, pen);
        MoveToEx(dc, toPixels(line.x1, dpi), toPixels(line.y1, dpi), nullptr);
        LineTo(dc, toPixels(line.x2, dpi), toPixels(line.y2, dpi));
        SelectObject(dc, previous);
        DeleteObject(pen);
    }
}

void drawButton(const DRAWITEMSTRUCT& item, const forms::ControlRow& row) {
    RECT face = item.rcItem;
    const HBRUSH brush = CreateSolidBrush(resolve(row.background, COLOR_BTNFACE));
    FillRect(item.hDC, &face, brush);
    DeleteObject(brush);
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    DrawEdge(item.hDC, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    RECT caption = face;
    OffsetRect(&caption, pressed ? 1 : 0, pressed ? 1 : 0);
    const HGDIOBJ previous = selectFontOf(item.hDC, item.hwndItem);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, resolve(row.foreground, COLOR_BTNTEXT));
    const std::wstring text = wide(row.text);
    DrawTextW(item.hDC, text.c_str(), int(text.size()), &caption,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(item.hDC, previous);
    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = face;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(item.hDC, &focus);
    }
}

std::vector<std::string> labelLines(HWND label) {
    const HDC dc = GetDC(label);
    const HGDIOBJ previous = selectFontOf(dc, label);
    std::vector<std::string> lines = linesOn(dc, label);
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
    return lines;
}

void drawLabel(const DRAWITEMSTRUCT& item, const forms::ControlRow& row) {
    const HBRUSH brush = CreateSolidBrush(backgroundOf(row));
    FillRect(item.hDC, &item.rcItem, brush);
    DeleteObject(brush);
    const HGDIOBJ previous = selectFontOf(item.hDC, item.hwndItem);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, resolve(row.foreground, COLOR_BTNTEXT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(item.hDC, &metrics);
    int top = 0;
    for (const std::string& text : linesOn(item.hDC, item.hwndItem)) {
        const std::wstring line = wide(text);
        TextOutW(item.hDC, 0, top, line.c_str(), int(line.size()));
        top += metrics.tmHeight;
    }
    SelectObject(item.hDC, previous);
}

int printText(HWND window, POINT topLeft, const std::string& text, HFONT font) {
    const HDC dc = GetDC(window);
    const HGDIOBJ previous = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    const std::wstring line = wide(text);
    TextOutW(dc, topLeft.x, topLeft.y, line.c_str(), int(line.size()));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return metrics.tmHeight;
}

} // namespace win32
