#pragma once
// What a window's client area shows, read back from its device context into a 32-bit DIB, and
// compared pixel for pixel with a reference PNG, which the system's imaging component reads and
// writes. On a mismatch the actual picture and a difference picture (differing pixels in
// magenta) are written to the working folder; BRINTAMO_UPDATE_REFERENCES=1 rewrites the
// reference instead (scripts/update-references.sh); review its diff like code.

#include <windows.h>

#include <wincodec.h>
#include <wrl/client.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace pictures {

using Microsoft::WRL::ComPtr;

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

inline IWICImagingFactory& imaging() {
    static const ComPtr<IWICImagingFactory> factory = [] {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ComPtr<IWICImagingFactory> made;
        CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                         IID_PPV_ARGS(&made));
        return made;
    }();
    return *factory.Get();
}

inline bool save(const Picture& picture, const std::wstring& file) {
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
    const auto stride = UINT(picture.width * 4);
    return SUCCEEDED(imaging().CreateStream(&stream)) &&
           SUCCEEDED(stream->InitializeFromFilename(file.c_str(), GENERIC_WRITE)) &&
           SUCCEEDED(imaging().CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
           SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
           SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
           SUCCEEDED(frame->Initialize(nullptr)) &&
           SUCCEEDED(frame->SetSize(UINT(picture.width), UINT(picture.height))) &&
           SUCCEEDED(frame->SetPixelFormat(&format)) &&
           IsEqualGUID(format, GUID_WICPixelFormat32bppBGRA) &&
           SUCCEEDED(frame->WritePixels(
               UINT(picture.height), stride, stride * UINT(picture.height),
               reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(picture.pixels.data())))) &&
           SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

// An empty picture when the file cannot be read.
inline Picture load(const std::wstring& file) {
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    Picture picture;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(imaging().CreateDecoderFromFilename(file.c_str(), nullptr, GENERIC_READ,
                                                   WICDecodeMetadataCacheOnDemand, &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)) ||
        FAILED(imaging().CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height))) {
        return picture;
    }
    picture = {int(width), int(height), std::vector<std::uint32_t>(width * height)};
    const UINT stride = width * 4;
    converter->CopyPixels(nullptr, stride, stride * height,
                          reinterpret_cast<BYTE*>(picture.pixels.data()));
    return picture;
}

inline bool matchesReference(const Picture& actual, const std::string& name) {
    const std::string file = name + ".png";
    const std::string reference = BRINTAMO_WINDOWS_REFERENCES "/" + file;
    const std::wstring wideReference(reference.begin(), reference.end());
    if (std::getenv("BRINTAMO_UPDATE_REFERENCES") != nullptr) {
        return save(actual, wideReference);
    }
    const Picture expected = load(wideReference);
    Picture difference = actual;
    int differing = actual.width == expected.width && actual.height == expected.height ? 0 : -1;
    for (std::size_t i = 0; differing >= 0 && i < actual.pixels.size(); ++i) {
        const bool same = actual.pixels[i] == expected.pixels[i];
        differing += same ? 0 : 1;
        difference.pixels[i] = same ? 0xFF000000 | (actual.pixels[i] >> 2 & 0x3F0000) : 0xFFFF00FF;
    }
    if (differing != 0) {
        std::cerr << file << (differing < 0 ? " has another size" : " differs in ")
                  << (differing < 0 ? "" : std::to_string(differing) + " pixels") << "; see actual-"
                  << file << " and difference-" << file << '\n';
        save(actual, L"actual-" + std::wstring(file.begin(), file.end()));
        save(difference, L"difference-" + std::wstring(file.begin(), file.end()));
    }
    return differing == 0;
}

} // namespace pictures
