// What bitmaps need from a platform image: the pixels, and the ways of putting an area of
// them onto a drawing surface. Rectangles are device pixels; source points are image pixels.
#pragma once

#include "DrawingSurface.h"

#include <cstdint>

namespace VSTGUI::platform {

constexpr std::int64_t kImageBytesPerPixel = 4;

// Whether an image of 32-bit pixels is non-empty and its byte count fits a signed 32-bit size.
constexpr bool imageFitsInBuffer(std::int64_t width, std::int64_t height)
{
    return width > 0 && height > 0 && width <= INT32_MAX / kImageBytesPerPixel / height;
}

class PlatformImage {
public:
    virtual ~PlatformImage() = default;

    virtual std::int32_t getWidth() const = 0;
    virtual std::int32_t getHeight() const = 0;
    virtual void* getHandle() const = 0;

    virtual void copyTo(DrawingSurface& target, const CRect& destRect, const CPoint& source) = 0;
    // Premultiplied source over the target; constantAlpha scales the whole area.
    virtual void alphaBlendTo(DrawingSurface& target, const CRect& destRect, const CPoint& source,
                              std::uint8_t constantAlpha, bool perPixelAlpha) = 0;
    // Leaves out every pixel whose colour equals the key; false when the system cannot.
    virtual bool colorKeyCopyTo(DrawingSurface& target, const CRect& destRect, const CPoint& source,
                                std::uint32_t keyColor) = 0;
    // Keeps the target where the mask is white, takes the image where it is black.
    virtual void maskedCopyTo(DrawingSurface& target, const CRect& destRect, const CPoint& source,
                              PlatformImage& mask) = 0;
    // As maskedCopyTo, with a mask built from the image's pixels that equal the key.
    virtual void keyMaskedCopyTo(DrawingSurface& target, const CRect& destRect, const CPoint& source,
                                 std::uint32_t keyColor) = 0;
};

} // namespace VSTGUI::platform
