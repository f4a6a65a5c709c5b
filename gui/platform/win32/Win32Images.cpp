// The image and resource operations of the platform interface on Windows bitmaps and the
// resources of the plug-in module.
#include "../Platform.h"
#include "GdiImage.h"
#include "GdiSurface.h"
#include "MemoryDc.h"
#include "ModuleInstance.h"

#include <cstdint>
#include <cstring>

namespace VSTGUI::platform {

namespace {
constexpr WORD kBitsPerPixel = 32;

std::unique_ptr<PlatformImage> wrap(HBITMAP bitmap, std::int32_t width, std::int32_t height)
{
    if (bitmap == nullptr)
        return nullptr;
    return std::make_unique<GdiImage>(bitmap, width, height);
}
} // namespace

std::unique_ptr<PlatformImage> createPixelImage(std::int32_t width, std::int32_t height, std::uint8_t*& pixels)
{
    pixels = nullptr;
    if (!imageFitsInBuffer(width, height))
        return nullptr;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height; // positive: bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = kBitsPerPixel;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr || bits == nullptr)
        return nullptr;
    // Rows the decoder never reaches must show as transparent, not as leftovers.
    std::memset(bits, 0, static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * kImageBytesPerPixel);
    pixels = static_cast<std::uint8_t*>(bits);
    return wrap(bitmap, width, height);
}

std::unique_ptr<PlatformImage> createScreenCompatibleImage(std::int32_t width, std::int32_t height)
{
    const HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    return wrap(bitmap, width, height);
}

std::unique_ptr<PlatformImage> loadBitmapResource(std::int32_t id)
{
    HBITMAP bitmap = LoadBitmapA(hInstance, MAKEINTRESOURCEA(id));
    BITMAP description = {};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof(description), &description) == 0) {
        if (bitmap != nullptr)
            DeleteObject(bitmap);
        return nullptr;
    }
    return wrap(bitmap, description.bmWidth, description.bmHeight);
}

std::unique_ptr<PlatformImage> createMaskFromSurface(DrawingSurface& surface, const CPoint& source,
                                                     std::int32_t width, std::int32_t height,
                                                     std::uint32_t keyColor)
{
    const HDC surfaceDc = static_cast<GdiSurface&>(surface).getDc();
    HBITMAP mask = CreateBitmap(width, height, 1, 1, nullptr);
    if (mask == nullptr)
        return nullptr;
    {
        MemoryDc maskDc(surfaceDc, mask);
        // Colour to monochrome: pixels of the source's background colour become white.
        const COLORREF background = SetBkColor(surfaceDc, keyColor);
        BitBlt(maskDc, 0, 0, width, height, surfaceDc, source.x, source.y, SRCCOPY);
        SetBkColor(surfaceDc, background);
    }
    return wrap(mask, width, height);
}

ResourceBytes findResource(std::int32_t id, const char* typeName)
{
    HRSRC resource = FindResourceA(hInstance, MAKEINTRESOURCEA(id), typeName);
    if (resource == nullptr)
        return {};
    const DWORD size = SizeofResource(hInstance, resource);
    HGLOBAL loaded = LoadResource(hInstance, resource);
    if (loaded == nullptr || size > static_cast<DWORD>(INT32_MAX))
        return {};
    return {static_cast<const std::uint8_t*>(LockResource(loaded)), static_cast<std::int32_t>(size)};
}

} // namespace VSTGUI::platform
