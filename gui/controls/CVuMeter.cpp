#include "CVuMeter.h"

#include "../CBitmap.h"
#include "../COffscreenContext.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace VSTGUI {

namespace {
CRect ordered(const CRect& rect)
{
    return CRect(std::min(rect.left, rect.right), std::min(rect.top, rect.bottom), std::max(rect.left, rect.right),
                 std::max(rect.top, rect.bottom));
}

// The LED boundary as a whole number of LED steps of length pixels; a level that is not a
// number shows no LED.
std::int32_t ledBoundary(float level, std::int32_t ledCount, std::int32_t length)
{
    if (std::isnan(level))
        level = 0.0f;
    const float leds = std::clamp(static_cast<float>(ledCount) * level + 0.5f, 0.0f, static_cast<float>(ledCount));
    return static_cast<std::int32_t>(static_cast<float>(static_cast<std::int32_t>(leds)) / static_cast<float>(ledCount)
                                     * static_cast<float>(length));
}
} // namespace

CVuMeter::CVuMeter(const CRect& size, CBitmap* onBitmap_, CBitmap* offBitmap_, std::int32_t ledCount_,
                   std::int32_t style_)
    : CControl(size, nullptr, 0, nullptr), onBitmap(onBitmap_), offBitmap(offBitmap_),
      ledCount(std::max(ledCount_, std::int32_t{1})), style(style_), onRect(ordered(size)), offRect(ordered(size))
{
    if (onBitmap != nullptr)
        onBitmap->remember();
    if (offBitmap != nullptr)
        offBitmap->remember();
}

CVuMeter::~CVuMeter()
{
    releaseOffscreen();
    if (onBitmap != nullptr)
        onBitmap->forget();
    if (offBitmap != nullptr)
        offBitmap->forget();
}

bool CVuMeter::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CVuMeter") == 0 || CControl::isTypeOf(type);
}

void CVuMeter::setDirty(bool value_)
{
    dirty = value_;
}

void CVuMeter::releaseOffscreen()
{
    if (offscreen != nullptr)
        offscreen->forget();
    offscreen = nullptr;
}

void CVuMeter::createOffscreen()
{
    const std::int32_t width = viewSize.right - viewSize.left;
    const std::int32_t height = viewSize.bottom - viewSize.top;
    offscreen = new COffscreenContext(parentFrame, width, height, kBlackCColor);
    onRect = ordered(CRect(0, 0, width, height));
    offRect = onRect;
}

bool CVuMeter::attached(CView* parent)
{
    releaseOffscreen();
    if (useOffscreen) {
        createOffscreen();
    } else {
        onRect = ordered(viewSize);
        offRect = onRect;
    }
    return CControl::attached(parent);
}

bool CVuMeter::removed(CView* parent)
{
    releaseOffscreen();
    return CControl::removed(parent);
}

void CVuMeter::draw(CDrawContext* context)
{
    if (onBitmap == nullptr)
        return;
    bounceValue();
    const float shown = std::max(value, oldValue - decreaseStep);
    oldValue = shown;
    if (useOffscreen && offscreen == nullptr)
        createOffscreen();
    if (useOffscreen) {
        drawSplit(offscreen, shown);
        offscreen->copyFrom(context, viewSize, CPoint(0, 0));
    } else {
        drawSplit(context, shown);
    }
    setDirty(false);
}

void CVuMeter::drawSplit(CDrawContext* target, float shown)
{
    const bool direct = target != offscreen;
    auto drawBitmap = [this, target](CBitmap& bitmap, CRect& rect, const CPoint& source) {
        if (transparencyEnabled)
            bitmap.drawTransparent(target, rect, source);
        else
            bitmap.draw(target, rect, source);
    };
    if ((style & kVuMeterHorizontal) != 0) {
        const std::int32_t pos = ledBoundary(shown, ledCount, onBitmap->getWidth());
        const std::int32_t edge = pos + (direct ? viewSize.left : 0);
        onRect.right = edge;
        offRect.left = edge;
        if (offBitmap != nullptr)
            drawBitmap(*offBitmap, offRect, CPoint(pos, 0));
        drawBitmap(*onBitmap, onRect, CPoint(0, 0));
    } else {
        const std::int32_t pos = ledBoundary(getMax() - shown, ledCount, onBitmap->getHeight());
        const std::int32_t edge = pos + (direct ? viewSize.top : 0);
        offRect.bottom = edge;
        onRect.top = edge;
        if (offBitmap != nullptr)
            drawBitmap(*offBitmap, offRect, CPoint(0, 0));
        drawBitmap(*onBitmap, onRect, CPoint(0, pos));
    }
}

} // namespace VSTGUI
