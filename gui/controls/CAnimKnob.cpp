#include "CAnimKnob.h"

#include "../CBitmap.h"
#include "StripGeometry.h"

#include <cstring>

namespace VSTGUI {

namespace {
// The frame count of the derived form is a 16-bit quantity.
std::int32_t derivedFrameCount(const CBitmap* background, std::int32_t frameHeight)
{
    return static_cast<std::int16_t>(stripFrameCount(background, frameHeight));
}
} // namespace

CAnimKnob::CAnimKnob(const CRect& size, CControlListener* listener_, std::int32_t tag_, CBitmap* background_,
                     CPoint& offset_)
    : CAnimKnob(size, listener_, tag_, derivedFrameCount(background_, size.bottom - size.top),
                size.bottom - size.top, background_, offset_)
{
}

CAnimKnob::CAnimKnob(const CRect& size, CControlListener* listener_, std::int32_t tag_,
                     std::int32_t frameCount_, std::int32_t frameHeight_, CBitmap* background_, CPoint& offset_)
    : CKnob(size, listener_, tag_, background_, nullptr, offset_), frameCount(frameCount_), frameHeight(frameHeight_)
{
    inset = 0;
}

bool CAnimKnob::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CAnimKnob") == 0 || CKnob::isTypeOf(type);
}

bool CAnimKnob::isDirty() const
{
    if (!dirty) {
        CPoint point;
        valueToPoint(point);
        if (point == lastDrawnPoint)
            return false;
    }
    return CControl::isDirty();
}

// Truncation, not rounding, picks the frame; a value beyond 1 shows the last frame rather
// than whatever lies past the strip.
std::int32_t CAnimKnob::frameTopForValue() const
{
    if (!(value >= 0.0f) || frameCount < 1 || frameHeight < 1)
        return 0;
    const float span = static_cast<float>(frameHeight * (frameCount - 1));
    const float drawn = inverseBitmap ? 1.0f - value : value;
    const float top = drawn * span;
    if (!(top < span))
        return static_cast<std::int32_t>(span);
    if (!(top > 0.0f))
        return 0;
    return static_cast<std::int32_t>(top) / frameHeight * frameHeight;
}

void CAnimKnob::draw(CDrawContext* context)
{
    drawBackgroundFrame(context, CPoint(0, frameTopForValue()));
    valueToPoint(lastDrawnPoint);
    setDirty(false);
}

} // namespace VSTGUI
