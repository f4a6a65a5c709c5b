#include "CairoImage.h"

#include "CairoSurface.h"

#include <algorithm>

namespace VSTGUI::platform {

namespace {
constexpr std::uint32_t kColorBits = 0x00FFFFFFu;
constexpr std::uint32_t kOpaqueAlpha = 0xFF000000u;
constexpr double kFullAlpha = 255.0;

std::uint32_t asStoredColor(std::uint32_t color)
{
    return ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
}
} // namespace

CairoImage::CairoImage(cairo_surface_t* surface_, bool bottomUp_) : surface(surface_), bottomUp(bottomUp_) {}

CairoImage::~CairoImage()
{
    cairo_surface_destroy(surface);
}

std::int32_t CairoImage::getWidth() const
{
    return cairo_image_surface_get_width(surface);
}

std::int32_t CairoImage::getHeight() const
{
    return cairo_image_surface_get_height(surface);
}

std::uint32_t CairoImage::pixelAt(std::int32_t x, std::int32_t y) const
{
    const std::int32_t row = bottomUp ? getHeight() - 1 - y : y;
    const unsigned char* data = cairo_image_surface_get_data(surface);
    return reinterpret_cast<const std::uint32_t*>(data + row * cairo_image_surface_get_stride(surface))[x];
}

// The decoder wrote straight into the buffer; Cairo is told before each use.
void CairoImage::copyTo(DrawingSurface& target, const CRect& destRect, const CPoint& source)
{
    cairo_surface_mark_dirty(surface);
    static_cast<CairoSurface&>(target).paintFrom(surface, bottomUp, destRect, source, CAIRO_OPERATOR_SOURCE);
}

void CairoImage::alphaBlendTo(DrawingSurface& target, const CRect& destRect, const CPoint& source,
                              std::uint8_t constantAlpha, bool /*perPixelAlpha*/)
{
    cairo_surface_mark_dirty(surface);
    static_cast<CairoSurface&>(target).paintFrom(surface, bottomUp, destRect, source, CAIRO_OPERATOR_OVER,
                                                 constantAlpha / kFullAlpha);
}

// Cairo has no colour-keyed copy; the masked copy below does it.
bool CairoImage::colorKeyCopyTo(DrawingSurface& /*target*/, const CRect& /*destRect*/, const CPoint& /*source*/,
                                std::uint32_t /*keyColor*/)
{
    return false;
}

void CairoImage::maskedCopyTo(DrawingSurface& target, const CRect& destRect, const CPoint& source,
                              PlatformImage& mask)
{
    auto& maskImage = static_cast<CairoImage&>(mask);
    copyWhere(target, destRect, source, [&](std::int32_t x, std::int32_t y) {
        return x < maskImage.getWidth() && y < maskImage.getHeight()
               && (maskImage.pixelAt(x, y) & kColorBits) == 0;
    });
}

void CairoImage::keyMaskedCopyTo(DrawingSurface& target, const CRect& destRect, const CPoint& source,
                                 std::uint32_t keyColor)
{
    const std::uint32_t key = asStoredColor(keyColor);
    copyWhere(target, destRect, source,
              [&](std::int32_t x, std::int32_t y) { return (pixelAt(x, y) & kColorBits) != key; });
}

void CairoImage::copyWhere(DrawingSurface& target, const CRect& destRect, const CPoint& source,
                           const std::function<bool(std::int32_t, std::int32_t)>& keep)
{
    const std::int32_t width = std::min(destRect.width(), getWidth() - source.x);
    const std::int32_t height = std::min(destRect.height(), getHeight() - source.y);
    if (width <= 0 || height <= 0 || source.x < 0 || source.y < 0)
        return;
    cairo_surface_t* kept = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(kept) == CAIRO_STATUS_SUCCESS) {
        unsigned char* data = cairo_image_surface_get_data(kept);
        const int stride = cairo_image_surface_get_stride(kept);
        for (std::int32_t y = 0; y < height; ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
            for (std::int32_t x = 0; x < width; ++x) {
                const std::uint32_t pixel = pixelAt(source.x + x, source.y + y);
                row[x] = keep(source.x + x, source.y + y) ? (pixel | kOpaqueAlpha) : 0u;
            }
        }
        cairo_surface_mark_dirty(kept);
        static_cast<CairoSurface&>(target).paintFrom(kept, false, destRect, CPoint(0, 0), CAIRO_OPERATOR_OVER);
    }
    cairo_surface_destroy(kept);
}

} // namespace VSTGUI::platform
