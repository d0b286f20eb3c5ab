#include "PictureBox.h"

#include "Resources.h"

#include <algorithm>
#include <memory>
#include <string_view>

namespace win32::pictureBox {

namespace {

struct Picture {
    HANDLE image = nullptr;
    bool icon = false;
    SIZE size{};

    Picture() = default;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    ~Picture() {
        if (image != nullptr) {
            icon ? void(DestroyIcon(static_cast<HICON>(image))) : void(DeleteObject(image));
        }
    }
};

Picture* pictureOf(HWND box) {
    return reinterpret_cast<Picture*>(GetWindowLongPtrW(box, GWLP_USERDATA));
}

// The picture at `size`, as sharp as the scaling allows: enlarged pixel by pixel to the next
// whole factor, then, between whole factors only, reduced smoothly to its exact size.
HBITMAP scaledBitmap(HBITMAP natural, SIZE from, SIZE size) {
    const int whole = std::max(1, int((size.cx + from.cx - 1) / from.cx));
    const HDC screen = GetDC(nullptr);
    const HDC source = CreateCompatibleDC(screen);
    const HDC target = CreateCompatibleDC(screen);
    const HGDIOBJ sourceBefore = SelectObject(source, natural);
    const HBITMAP enlarged = CreateCompatibleBitmap(screen, from.cx * whole, from.cy * whole);
    const HGDIOBJ targetBefore = SelectObject(target, enlarged);
    SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, 0, 0, from.cx * whole, from.cy * whole, source, 0, 0, from.cx, from.cy,
               SRCCOPY);
    HBITMAP result = enlarged;
    if (from.cx * whole != size.cx || from.cy * whole != size.cy) {
        result = CreateCompatibleBitmap(screen, size.cx, size.cy);
        SelectObject(target, result); // first, as a bitmap is in one device context at a time
        SelectObject(source, enlarged);
        SetStretchBltMode(target, HALFTONE);
        SetBrushOrgEx(target, 0, 0, nullptr);
        StretchBlt(target, 0, 0, size.cx, size.cy, source, 0, 0, from.cx * whole, from.cy * whole,
                   SRCCOPY);
    }
    SelectObject(source, sourceBefore);
    SelectObject(target, targetBefore);
    DeleteDC(source);
    DeleteDC(target);
    ReleaseDC(nullptr, screen);
    if (result != enlarged) {
        DeleteObject(enlarged);
    }
    return result;
}

// An icon is loaded at its size, which the system takes from its nearest image.
HANDLE loadPicture(bool icon, UINT dpi, SIZE& size) {
    const HINSTANCE program = GetModuleHandleW(nullptr);
    if (icon) {
        size = {MulDiv(32, int(dpi), 96), MulDiv(32, int(dpi), 96)};
        return LoadImageW(program, MAKEINTRESOURCEW(BRINTAMO_ABOUT_ICON), IMAGE_ICON, size.cx,
                          size.cy, 0);
    }
    const auto natural = static_cast<HBITMAP>(
        LoadImageW(program, MAKEINTRESOURCEW(BRINTAMO_HELP_PICTURE), IMAGE_BITMAP, 0, 0, 0));
    BITMAP bitmap{};
    if (natural == nullptr || GetObjectW(natural, sizeof bitmap, &bitmap) == 0 ||
        bitmap.bmWidth <= 0 || bitmap.bmHeight <= 0) {
        DeleteObject(natural);
        size = {};
        return nullptr; // the box stays empty
    }
    const SIZE from{bitmap.bmWidth, bitmap.bmHeight};
    size = {MulDiv(from.cx, int(dpi), 96), MulDiv(from.cy, int(dpi), 96)};
    const HBITMAP scaled = scaledBitmap(natural, from, size);
    DeleteObject(natural);
    return scaled;
}

void paint(HWND box) {
    PAINTSTRUCT paintInfo;
    const HDC dc = BeginPaint(box, &paintInfo);
    if (const Picture* picture = pictureOf(box); picture != nullptr && picture->image != nullptr) {
        if (picture->icon) {
            DrawIconEx(dc, 0, 0, static_cast<HICON>(picture->image), picture->size.cx,
                       picture->size.cy, 0, nullptr, DI_NORMAL);
        } else {
            const HDC source = CreateCompatibleDC(dc);
            const HGDIOBJ previous = SelectObject(source, picture->image);
            BitBlt(dc, 0, 0, picture->size.cx, picture->size.cy, source, 0, 0, SRCCOPY);
            SelectObject(source, previous);
            DeleteDC(source);
        }
    }
    EndPaint(box, &paintInfo);
}

// The background the window gives its static controls, as for the labels around the box.
void eraseBackground(HWND box, HDC dc) {
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(box), WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(box)));
    RECT client;
    GetClientRect(box, &client);
    FillRect(dc, &client, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT CALLBACK procedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        eraseBackground(box, reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_PAINT:
        paint(box);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(box);
        return 0;
    case WM_NCDESTROY:
        delete pictureOf(box);
        SetWindowLongPtrW(box, GWLP_USERDATA, 0);
        break;
    default:
        break;
    }
    return DefWindowProcW(box, message, wParam, lParam);
}

} // namespace

void registerClass() {
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = procedure;
    type.hInstance = GetModuleHandleW(nullptr);
    type.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    type.lpszClassName = className;
    RegisterClassExW(&type);
}

void showPicture(HWND box, const char* name, UINT dpi) {
    auto picture = std::make_unique<Picture>();
    picture->icon = std::string_view(name).ends_with(".ico");
    picture->image = loadPicture(picture->icon, dpi, picture->size);
    delete pictureOf(box);
    SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(picture.release()));
    InvalidateRect(box, nullptr, TRUE);
}

} // namespace win32::pictureBox
