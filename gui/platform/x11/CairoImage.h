// A platform image held as a Cairo image surface of premultiplied B, G, R, A pixels: the
// decoder's bottom-up buffers are wrapped as they are, other images are stored top-down.
#pragma once

#include "../PlatformImage.h"

#include <cairo.h>

#include <functional>

namespace VSTGUI::platform {

class CairoImage final : public PlatformImage {
public:
    // Takes over the reference of surface.
    CairoImage(cairo_surface_t* surface, bool bottomUp);
    ~CairoImage() override;

    CairoImage(const CairoImage&) = delete;
    CairoImage& operator=(const CairoImage&) = delete;

    cairo_surface_t* getSurface() const { return surface; }
    bool isBottomUp() const { return bottomUp; }
    // The stored pixel at image coordinates (x, y), which must lie inside.
    std::uint32_t pixelAt(std::int32_t x, std::int32_t y) const;

    std::int32_t getWidth() const override;
    std::int32_t getHeight() const override;
    void* getHandle() const override { return surface; }

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
    // Copies the pixels of the area for which keep(x, y) holds, in image coordinates.
    void copyWhere(DrawingSurface& target, const CRect& destRect, const CPoint& source,
                   const std::function<bool(std::int32_t, std::int32_t)>& keep);

    cairo_surface_t* surface;
    bool bottomUp;
};

} // namespace VSTGUI::platform
