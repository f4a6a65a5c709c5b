#include "CAutoAnimation.h"

#include "../CDrawContext.h"
#include "StripGeometry.h"

#include <cstring>

namespace VSTGUI {

CAutoAnimation::CAutoAnimation(const CRect& size, CControlListener* listener_, std::int32_t tag_,
                               CBitmap* background_, CPoint& offset_)
    : CAutoAnimation(size, listener_, tag_, stripFrameCount(background_, size.bottom - size.top),
                     size.bottom - size.top, background_, offset_)
{
}

CAutoAnimation::CAutoAnimation(const CRect& size, CControlListener* listener_, std::int32_t tag_,
                               std::int32_t frameCount_, std::int32_t frameHeight_, CBitmap* background_,
                               CPoint& offset_)
    : CControl(size, listener_, tag_, background_), offset(offset_), frameCount(frameCount_),
      frameHeight(frameHeight_), stripHeight(frameCount_ * frameHeight_)
{
}

bool CAutoAnimation::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CAutoAnimation") == 0 || CControl::isTypeOf(type);
}

void CAutoAnimation::draw(CDrawContext* context)
{
    if (windowOpened) {
        // A host-set value off the strip shows its last frame, not what lies beyond it.
        const std::int32_t lastTop = lastFrameTop();
        std::int32_t top = 0;
        if (value >= static_cast<float>(lastTop))
            top = lastTop;
        else if (value > 0.0f)
            top = static_cast<std::int32_t>(value);
        drawBackgroundFrame(context, CPoint(offset.x, offset.y + top));
    }
    setDirty(false);
}

void CAutoAnimation::mouse(CDrawContext* context, CPoint& /*where*/, std::int32_t button)
{
    if (!leftClickLeftToControl(context, button))
        return;
    value = 0.0f;
    setDirty(true);
    if (windowOpened) {
        closeWindow();
        return;
    }
    openWindow();
    if (listener != nullptr)
        listener->valueChanged(context, this);
}

std::int32_t CAutoAnimation::lastFrameTop() const
{
    return stripHeight > frameHeight ? stripHeight - frameHeight : 0;
}

void CAutoAnimation::nextPixmap()
{
    value += static_cast<float>(frameHeight);
    if (value > static_cast<float>(lastFrameTop()))
        value = 0.0f;
}

void CAutoAnimation::previousPixmap()
{
    value -= static_cast<float>(frameHeight);
    if (value < 0.0f)
        value = static_cast<float>(lastFrameTop());
}

} // namespace VSTGUI
