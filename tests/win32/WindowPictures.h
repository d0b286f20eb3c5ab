#pragma once
// What a window's client area shows, read back from its device context into a 32-bit DIB, and
// compared pixel for pixel with a reference PNG, which GDI+ reads and writes. On a mismatch the
// actual picture and a difference picture (differing pixels in magenta) are written to the working
// folder; BRINTAMO_UPDATE_REFERENCES=1 rewrites the reference instead
// (scripts/update-references.sh); review its diff like code.

#include <windows.h>

#include "PixelDiff.h"

#include <gdiplus.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace pictures {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // 0xAARRGGBB, rows from the top

    COLORREF at(int x, int y) const {
        const std::uint32_t pixel = pixels[std::size_t(y * width + x)];
        return RGB(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF);
    }
};

inline Picture shown(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    Picture picture{client.right, client.bottom, {}};
    picture.pixels.resize(std::size_t(picture.width * picture.height));
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = picture.width;
    format.bmiHeader.biHeight = -picture.height; // rows from the top
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    const HDC screen = GetDC(window);
    const HDC copy = CreateCompatibleDC(screen);
    void* bits = nullptr;
    const HBITMAP sheet = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(copy, sheet);
    BitBlt(copy, 0, 0, picture.width, picture.height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        picture.pixels[i] = pixels[i] | 0xFF000000;
    }
    SelectObject(copy, previous);
    DeleteObject(sheet);
    DeleteDC(copy);
    ReleaseDC(window, screen);
    return picture;
}

// PNG files through GDI+, started once for the test program.
inline void startGdiplus() {
    static const ULONG_PTR token = [] {
        ULONG_PTR started = 0;
        const Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&started, &input, nullptr);
        return started;
    }();
    (void)token;
}

inline bool save(const Picture& picture, const std::string& file) {
    startGdiplus();
    static const CLSID png{
        0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    Gdiplus::Bitmap bitmap(
        picture.width, picture.height, picture.width * 4, PixelFormat32bppRGB,
        reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(picture.pixels.data())));
    return bitmap.Save(std::wstring(file.begin(), file.end()).c_str(), &png, nullptr) ==
           Gdiplus::Ok;
}

// An empty picture when the file cannot be read.
inline Picture load(const std::string& file) {
    startGdiplus();
    Gdiplus::Bitmap bitmap(std::wstring(file.begin(), file.end()).c_str());
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

inline bool matchesReference(const Picture& actual, const std::string& name) {
    const std::string file = name + ".png";
    const std::string reference = BRINTAMO_WINDOWS_REFERENCES "/" + file;
    if (std::getenv("BRINTAMO_UPDATE_REFERENCES") != nullptr) {
        return save(actual, reference);
    }
    const Picture expected = load(reference);
    Picture difference = actual;
    const int differing = differingPixels(
        file, actual.pixels.data(), expected.pixels.data(), actual.pixels.size(),
        actual.width == expected.width && actual.height == expected.height, difference.pixels);
    if (differing != 0) {
        save(actual, "actual-" + file);
        save(difference, "difference-" + file);
    }
    return differing == 0;
}

} // namespace pictures
