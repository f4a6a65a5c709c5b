#include "CBitmap.h"

#include "CDrawContext.h"
#include "PngDecoder.h"
#include "platform/Platform.h"

namespace VSTGUI {

namespace {
constexpr const char* kPngResourceType = "PNG";
constexpr std::int32_t kResourceIdMask = 0xFFFF;
constexpr std::uint8_t kOpaque = 255;

// Receives the size from the decoder and hands it the pixels of a new platform image.
class BitmapPixelTarget final : public PixelBufferTarget {
public:
    BitmapPixelTarget(std::int32_t& width_, std::int32_t& height_, std::unique_ptr<platform::PlatformImage>& image_)
        : width(width_), height(height_), image(image_)
    {
    }

    std::uint8_t* createPixelBuffer(std::int32_t columns, std::int32_t rows) override
    {
        width = columns;
        height = rows;
        std::uint8_t* pixels = nullptr;
        image = platform::createPixelImage(columns, rows, pixels);
        return image != nullptr ? pixels : nullptr;
    }

private:
    std::int32_t& width;
    std::int32_t& height;
    std::unique_ptr<platform::PlatformImage>& image;
};
} // namespace

// [SECTION] Construction

CBitmap::CBitmap() = default;

CBitmap::CBitmap(std::int32_t resourceID_) : resourceID(resourceID_)
{
    loadFromResource(resourceID_);
    transparentCColor = kTransparentCColor;
}

CBitmap::CBitmap(CFrame& /*frame*/, std::int32_t width_, std::int32_t height_)
    : width(width_), height(height_), transparentCColor(kTransparentCColor),
      image(platform::createScreenCompatibleImage(width_, height_))
{
}

CBitmap::~CBitmap() = default;

// [SECTION] Loading

void CBitmap::dispose()
{
    image.reset();
    mask.reset();
    width = 0;
    height = 0;
    noAlpha = false;
}

bool CBitmap::loadFromResource(std::int32_t id)
{
    dispose();
    const platform::ResourceBytes png = platform::findResource(id & kResourceIdMask, kPngResourceType);
    if (png.data != nullptr)
        return loadPng(png.data, png.size);

    image = platform::loadBitmapResource(id);
    if (image == nullptr)
        return false;
    width = image->getWidth();
    height = image->getHeight();
    noAlpha = true;
    return true;
}

// A found PNG counts as loaded even when decoding fails; isLoaded() tells whether pixels exist.
bool CBitmap::loadPng(const std::uint8_t* data, std::int32_t size)
{
    BitmapPixelTarget target(width, height, image);
    decodePng(data, size, target);
    noAlpha = false;
    return true;
}

bool CBitmap::loadFromPath(const void* /*platformPath*/)
{
    dispose();
    return false;
}

// [SECTION] Drawing

CRect CBitmap::destinationOn(const CDrawContext& context, const CRect& rect) const
{
    return CRect(rect).offset(context.offset.x, context.offset.y);
}

void CBitmap::draw(CDrawContext* context, CRect& rect, const CPoint& offset)
{
    if (!noAlpha) {
        drawAlphaBlend(context, rect, offset, kOpaque);
        return;
    }
    if (image != nullptr && context != nullptr)
        image->copyTo(context->getPlatformSurface(), destinationOn(*context, rect), offset);
}

void CBitmap::drawAlphaBlend(CDrawContext* context, CRect& rect, const CPoint& offset, std::uint8_t alpha)
{
    if (image != nullptr && context != nullptr)
        image->alphaBlendTo(context->getPlatformSurface(), destinationOn(*context, rect), offset, alpha, !noAlpha);
}

void CBitmap::drawTransparent(CDrawContext* context, CRect& rect, const CPoint& offset)
{
    if (!noAlpha) {
        drawAlphaBlend(context, rect, offset, kOpaque);
        return;
    }
    if (image == nullptr || context == nullptr)
        return;
    platform::DrawingSurface& surface = context->getPlatformSurface();
    const CRect destination = destinationOn(*context, rect);
    const std::uint32_t key = colorToPlatform(transparentCColor);
    if (mask != nullptr)
        image->maskedCopyTo(surface, destination, offset, *mask);
    else if (!image->colorKeyCopyTo(surface, destination, offset, key))
        image->keyMaskedCopyTo(surface, destination, offset, key);
}

void CBitmap::setTransparencyMask(CDrawContext* context, const CPoint& source)
{
    mask.reset();
    if (context != nullptr)
        mask = platform::createMaskFromSurface(context->getPlatformSurface(), source, width, height,
                                               colorToPlatform(transparentCColor));
}

} // namespace VSTGUI
