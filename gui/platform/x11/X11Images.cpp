// The image operations of the platform interface on Cairo image surfaces. There are no plain
// bitmap resources and no blending library to load on this platform.
#include "../Platform.h"
#include "CairoImage.h"
#include "CairoSurface.h"

#include <climits>

namespace VSTGUI::platform {

namespace {
constexpr std::int64_t kBytesPerPixel = 4;
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kBlack = 0xFF000000u;

// Null for sizes Cairo cannot hold.
cairo_surface_t* newImageSurface(std::int32_t width, std::int32_t height)
{
    if (width <= 0 || height <= 0 || std::int64_t{width} * height * kBytesPerPixel > INT_MAX)
        return nullptr;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    return surface;
}
} // namespace

// Cairo's rows of 32-bit pixels have no padding, and a new image is zeroed.
std::unique_ptr<PlatformImage> createPixelImage(std::int32_t width, std::int32_t height, std::uint8_t*& pixels)
{
    pixels = nullptr;
    cairo_surface_t* surface = newImageSurface(width, height);
    if (surface == nullptr)
        return nullptr;
    pixels = cairo_image_surface_get_data(surface);
    return std::make_unique<CairoImage>(surface, true);
}

std::unique_ptr<PlatformImage> createScreenCompatibleImage(std::int32_t width, std::int32_t height)
{
    cairo_surface_t* surface = newImageSurface(width, height);
    return surface != nullptr ? std::make_unique<CairoImage>(surface, false) : nullptr;
}

std::unique_ptr<PlatformImage> loadBitmapResource(std::int32_t /*id*/)
{
    return nullptr;
}

std::unique_ptr<PlatformImage> createMaskFromSurface(DrawingSurface& surface, const CPoint& source,
                                                     std::int32_t width, std::int32_t height,
                                                     std::uint32_t keyColor)
{
    cairo_surface_t* mask = newImageSurface(width, height);
    if (mask == nullptr)
        return nullptr;
    const std::vector<std::uint32_t> colors = static_cast<CairoSurface&>(surface).readArea(source, width, height);
    unsigned char* data = cairo_image_surface_get_data(mask);
    const int stride = cairo_image_surface_get_stride(mask);
    for (std::int32_t y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (std::int32_t x = 0; x < width; ++x)
            row[x] = colors[static_cast<std::size_t>(y) * width + x] == keyColor ? kWhite : kBlack;
    }
    cairo_surface_mark_dirty(mask);
    return std::make_unique<CairoImage>(mask, false);
}

void* loadImageLibrary()
{
    return nullptr;
}

void unloadImageLibrary(void* /*library*/) {}

} // namespace VSTGUI::platform
