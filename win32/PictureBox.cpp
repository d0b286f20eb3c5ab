#include "PictureBox.h"

#include "Resources.h"

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

// The natural size of a compiled-in bitmap; an icon is 32 by 32.
SIZE naturalSize(int resource, bool icon) {
    if (icon) {
        return {32, 32};
    }
    const HANDLE natural =
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0, 0);
    BITMAP bitmap{};
    GetObjectW(natural, sizeof bitmap, &bitmap);
    DeleteObject(natural);
    return {bitmap.bmWidth, bitmap.bmHeight};
}

void paint(HWND box) {
    PAINTSTRUCT paintInfo;
    const HDC dc = BeginPaint(box, &paintInfo);
    if (const Picture* picture = pictureOf(box); picture != nullptr) {
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
    const int resource = picture->icon ? BRINTAMO_ABOUT_ICON : BRINTAMO_HELP_PICTURE;
    const SIZE natural = naturalSize(resource, picture->icon);
    picture->size = {MulDiv(natural.cx, int(dpi), 96), MulDiv(natural.cy, int(dpi), 96)};
    picture->image = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource),
                                picture->icon ? IMAGE_ICON : IMAGE_BITMAP, picture->size.cx,
                                picture->size.cy, 0);
    delete pictureOf(box);
    SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(picture.release()));
    InvalidateRect(box, nullptr, TRUE);
}

} // namespace win32::pictureBox
