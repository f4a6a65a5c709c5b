#include "COffscreenContext.h"

#include "CBitmap.h"
#include "CFrame.h"
#include "platform/Platform.h"

#include <algorithm>

namespace VSTGUI {

namespace {
constexpr std::int32_t kDefaultSize = 20;

CRect orderedArea(std::int32_t width, std::int32_t height)
{
    return CRect(std::min(0, width), std::min(0, height), std::max(0, width), std::max(0, height));
}

std::int32_t bitmapWidth(const CBitmap* bitmap)
{
    return bitmap != nullptr ? bitmap->getWidth() : kDefaultSize;
}

std::int32_t bitmapHeight(const CBitmap* bitmap)
{
    return bitmap != nullptr ? bitmap->getHeight() : kDefaultSize;
}

bool canDrawInto(const CBitmap* bitmap)
{
    return bitmap != nullptr && bitmap->getPlatformImage() != nullptr;
}

std::unique_ptr<platform::DrawingSurface> surfaceFor(CDrawContext* context, CBitmap* bitmap, bool drawInBitmap)
{
    platform::DrawingSurface& compatible = context->getPlatformSurface();
    if (drawInBitmap && canDrawInto(bitmap))
        return platform::createImageSurface(compatible, *bitmap->getPlatformImage());
    return platform::createOffscreenSurface(compatible, bitmapWidth(bitmap), bitmapHeight(bitmap));
}
} // namespace

COffscreenContext::COffscreenContext(CFrame* owner, std::int32_t width_, std::int32_t height_, CColor background)
    : CDrawContext(owner,
                   platform::createOffscreenSurface(owner != nullptr ? owner->getPlatformWindow() : nullptr, width_,
                                                    height_)),
      height(height_), width(width_), ownsImage(true), backgroundColor(background)
{
    const CRect area = orderedArea(width, height);
    setClipRect(area);
    setFillColor(background);
    setFrameColor(background);
    // fillRect leaves the top row and left column; the outline covers them.
    fillRect(area);
    drawRect(area, kDrawStyleStroked);
}

// A missing bitmap (or one without an image) cannot be drawn into: the offscreen then gets an
// image of its own, as when drawInBitmap is false.
COffscreenContext::COffscreenContext(CDrawContext* context, CBitmap* bitmap_, bool drawInBitmap)
    : CDrawContext(context->getFrame(), surfaceFor(context, bitmap_, drawInBitmap)), bitmap(bitmap_),
      height(bitmapHeight(bitmap_)), width(bitmapWidth(bitmap_)),
      ownsImage(!(drawInBitmap && canDrawInto(bitmap_))), backgroundColor(kBlackCColor)
{
    if (bitmap != nullptr)
        setClipRect(orderedArea(width, height));
    if (!ownsImage)
        return;
    CRect area(0, 0, width, height);
    if (bitmap != nullptr) {
        bitmap->draw(this, area, CPoint(0, 0));
    } else {
        setFillColor(kBlackCColor);
        fillRect(area);
    }
}

COffscreenContext::~COffscreenContext() = default;

void COffscreenContext::copyFrom(CDrawContext* context, CRect destRect, CPoint srcOffset)
{
    if (context == nullptr)
        return;
    getPlatformSurface().copyArea(context->getPlatformSurface(),
                                  destRect.offset(context->offset.x, context->offset.y), srcOffset);
}

void COffscreenContext::copyTo(CDrawContext* context, CRect& srcRect, CPoint destOffset)
{
    if (context == nullptr)
        return;
    const CRect destination(destOffset.x, destOffset.y, destOffset.x + srcRect.width(),
                            destOffset.y + srcRect.height());
    const CPoint source(srcRect.left + context->offset.x, srcRect.top + context->offset.y);
    context->getPlatformSurface().copyArea(getPlatformSurface(), destination, source);
}

} // namespace VSTGUI
