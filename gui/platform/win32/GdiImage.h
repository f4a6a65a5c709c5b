// A platform image held as a Windows bitmap (a 32-bit DIB section for decoded PNGs, a
// device-dependent or monochrome bitmap otherwise), owned and deleted by this object.
#pragma once

#include "../PlatformImage.h"

#include <windows.h>

namespace VSTGUI::platform {

class GdiImage final : public PlatformImage {
public:
    GdiImage(HBITMAP bitmap, std::int32_t width, std::int32_t height);
    ~GdiImage() override;

    GdiImage(const GdiImage&) = delete;
    GdiImage& operator=(const GdiImage&) = delete;

    HBITMAP getBitmap() const { return bitmap; }

    std::int32_t getWidth() const override { return width; }
    std::int32_t getHeight() const override { return height; }
    void* getHandle() const override { return bitmap; }

    void copyTo(DrawingSurface& target, const CRect& destRect, const CPoint& source) override;
    void alphaBlendTo(DrawingSurface& target, const CRect& destRect, const CPoint& source,
                      std::uint8_t constantAlpha, bool perPixelAlpha) override;
    bool colorKeyCopyTo(DrawingSurface& target, const CRect& destRect, const CPoint& source,
                        std::uint32_t keyColor) override;
    void maskedCopyTo(DrawingSurface& target, const CRect& destRect, const CPoint& source,
                      PlatformImage& mask) override;
    void keyMaskedCopyTo(DrawingSurface& target, const CRect& destRect, const CPoint& source,
                         std::uint32_t keyColor) override;

private:
    HBITMAP bitmap;
    std::int32_t width;
    std::int32_t height;
};

} // namespace VSTGUI::platform
