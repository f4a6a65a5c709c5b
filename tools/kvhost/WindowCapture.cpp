#include "WindowCapture.h"

#include "KvhostError.h"

namespace {
constexpr int kBytesPerPixel = 4;
}

RgbImage captureClientArea(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    RgbImage image{client.right, client.bottom, {}};
    if (image.width <= 0 || image.height <= 0)
        throw KvhostError("the editor window has no area to capture");

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC windowDc = GetDC(window);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    HBITMAP bitmap = CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memoryDc, bitmap);
    const BOOL copied = BitBlt(memoryDc, 0, 0, image.width, image.height, windowDc, 0, 0, SRCCOPY);
    GdiFlush();
    if (copied != 0 && bits != nullptr) {
        const auto* pixels = static_cast<const std::uint8_t*>(bits);
        const std::size_t count = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
        image.pixels.resize(count * 3);
        for (std::size_t i = 0; i < count; ++i) {
            // Blue, green, red, unused.
            image.pixels[i * 3] = pixels[i * kBytesPerPixel + 2];
            image.pixels[i * 3 + 1] = pixels[i * kBytesPerPixel + 1];
            image.pixels[i * 3 + 2] = pixels[i * kBytesPerPixel];
        }
    }
    SelectObject(memoryDc, previous);
    DeleteObject(bitmap);
    DeleteDC(memoryDc);
    ReleaseDC(window, windowDc);
    if (image.pixels.empty())
        throw KvhostError("the editor window could not be captured");
    return image;
}
