#include "GdiImage.h"

#include "GdiSurface.h"
#include "ImageLibrary.h"
#include "MemoryDc.h"

namespace VSTGUI::platform {

namespace {
// Every surface of this backend is a GdiSurface.
HDC dcOf(DrawingSurface& surface)
{
    return static_cast<GdiSurface&>(surface).getDc();
}

// Windows 98 (4.10, platform id 1) blends only from a bitmap of the destination's size.
bool blendsThroughCopy()
{
    return gSystemVersion.dwMajorVersion == 4 && gSystemVersion.dwMinorVersion == 10
           && gSystemVersion.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

// Where the mask is white the destination stays, where it is black the image replaces it:
// image XOR destination, AND mask, XOR image again.
void combineThroughMask(HDC destination, int x, int y, int width, int height, HDC image, const POINT& imageAt,
                        HDC mask, const POINT& maskAt)
{
    BitBlt(destination, x, y, width, height, image, imageAt.x, imageAt.y, SRCINVERT);
    BitBlt(destination, x, y, width, height, mask, maskAt.x, maskAt.y, SRCAND);
    BitBlt(destination, x, y, width, height, image, imageAt.x, imageAt.y, SRCINVERT);
}
} // namespace

GdiImage::GdiImage(HBITMAP bitmap_, std::int32_t width_, std::int32_t height_)
    : bitmap(bitmap_), width(width_), height(height_)
{
}

GdiImage::~GdiImage()
{
    DeleteObject(bitmap);
}

void GdiImage::copyTo(DrawingSurface& target, const CRect& destRect, const CPoint& source)
{
    const HDC destination = dcOf(target);
    MemoryDc image(destination, bitmap);
    BitBlt(destination, destRect.left, destRect.top, destRect.width(), destRect.height(), image, source.x,
           source.y, SRCCOPY);
}

// Without the system operation nothing is drawn.
void GdiImage::alphaBlendTo(DrawingSurface& target, const CRect& destRect, const CPoint& source,
                            std::uint8_t constantAlpha, bool perPixelAlpha)
{
    if (pfnAlphaBlend == nullptr)
        return;
    const HDC destination = dcOf(target);
    const int areaWidth = destRect.width();
    const int areaHeight = destRect.height();
    const BLENDFUNCTION blend = {AC_SRC_OVER, 0, constantAlpha, static_cast<BYTE>(perPixelAlpha ? AC_SRC_ALPHA : 0)};
    MemoryDc image(destination, bitmap);
    if (!blendsThroughCopy()) {
        pfnAlphaBlend(destination, destRect.left, destRect.top, areaWidth, areaHeight, image, source.x, source.y,
                      areaWidth, areaHeight, blend);
        return;
    }
    ScopedBitmap copy(CreateCompatibleBitmap(image, areaWidth, areaHeight));
    MemoryDc copyDc(image, copy);
    BitBlt(copyDc, 0, 0, areaWidth, areaHeight, image, source.x, source.y, SRCCOPY);
    pfnAlphaBlend(destination, destRect.left, destRect.top, areaWidth, areaHeight, copyDc, 0, 0, areaWidth,
                  areaHeight, blend);
}

bool GdiImage::colorKeyCopyTo(DrawingSurface& target, const CRect& destRect, const CPoint& source,
                              std::uint32_t keyColor)
{
    if (pfnTransparentBlt == nullptr)
        return false;
    const HDC destination = dcOf(target);
    MemoryDc image(destination, bitmap);
    pfnTransparentBlt(destination, destRect.left, destRect.top, destRect.width(), destRect.height(), image,
                      source.x, source.y, destRect.width(), destRect.height(), keyColor);
    return true;
}

// Composed on a copy of the destination so the window never shows the intermediate steps.
void GdiImage::maskedCopyTo(DrawingSurface& target, const CRect& destRect, const CPoint& source, PlatformImage& mask)
{
    const HDC destination = dcOf(target);
    const int areaWidth = destRect.width();
    const int areaHeight = destRect.height();
    ScopedBitmap composed(CreateCompatibleBitmap(destination, areaWidth, areaHeight));
    MemoryDc composedDc(destination, composed);
    MemoryDc image(destination, bitmap);
    MemoryDc maskDc(destination, static_cast<GdiImage&>(mask).bitmap);
    BitBlt(composedDc, 0, 0, areaWidth, areaHeight, destination, destRect.left, destRect.top, SRCCOPY);
    const POINT at = {source.x, source.y};
    combineThroughMask(composedDc, 0, 0, areaWidth, areaHeight, image, at, maskDc, at);
    BitBlt(destination, destRect.left, destRect.top, areaWidth, areaHeight, composedDc, 0, 0, SRCCOPY);
}

void GdiImage::keyMaskedCopyTo(DrawingSurface& target, const CRect& destRect, const CPoint& source,
                               std::uint32_t keyColor)
{
    const HDC destination = dcOf(target);
    const int areaWidth = destRect.width();
    const int areaHeight = destRect.height();
    MemoryDc image(destination, bitmap);
    ScopedBitmap mask(CreateBitmap(areaWidth, areaHeight, 1, 1, nullptr));
    MemoryDc maskDc(destination, mask);
    // Colour to monochrome: pixels of the source's background colour become white.
    const COLORREF imageBackground = SetBkColor(image, keyColor);
    BitBlt(maskDc, 0, 0, areaWidth, areaHeight, image, source.x, source.y, SRCCOPY);
    SetBkColor(image, imageBackground);

    // Monochrome to colour: white maps to the background colour, black to the text colour.
    const COLORREF background = SetBkColor(destination, RGB(255, 255, 255));
    const COLORREF text = SetTextColor(destination, RGB(0, 0, 0));
    combineThroughMask(destination, destRect.left, destRect.top, areaWidth, areaHeight, image, {source.x, source.y},
                       maskDc, {0, 0});
    SetBkColor(destination, background);
    SetTextColor(destination, text);
}

} // namespace VSTGUI::platform
