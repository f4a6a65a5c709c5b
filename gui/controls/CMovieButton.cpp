#include "CMovieButton.h"

#include "../CDrawContext.h"

#include <cstring>

namespace VSTGUI {

CMovieButton::CMovieButton(const CRect& size, CControlListener* listener_, std::int32_t tag_,
                           CBitmap* background_, CPoint& offset_)
    : CMovieButton(size, listener_, tag_, size.bottom - size.top, background_, offset_)
{
}

CMovieButton::CMovieButton(const CRect& size, CControlListener* listener_, std::int32_t tag_,
                           std::int32_t frameHeight_, CBitmap* background_, CPoint& offset_)
    : CControl(size, listener_, tag_, background_), offset(offset_), frameHeight(frameHeight_), buttonState(value)
{
}

bool CMovieButton::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CMovieButton") == 0 || CControl::isTypeOf(type);
}

void CMovieButton::draw(CDrawContext* context)
{
    bounceValue();
    drawBackgroundFrame(context, CPoint(0, value == 0.0f ? 0 : frameHeight));
    buttonState = value;
    setDirty(false);
}

void CMovieButton::mouse(CDrawContext* context, CPoint& where, std::int32_t button)
{
    if (!leftClickLeftToControl(context, button))
        return;
    const float entry = value;
    const float toggled = entry == 0.0f ? 1.0f : 0.0f;
    beginEdit();
    if (context->getMouseButtons() != 0) {
        // Any change of buttons or modifiers ends the press.
        trackPointer(
            context, where, [&](const CPoint& at) { return viewSize.insideWithEdges(at) ? toggled : entry; },
            [button](std::int32_t buttons) { return buttons == button; });
    } else {
        value = toggled;
        if (listener != nullptr)
            listener->valueChanged(context, this);
    }
    endEdit();
    buttonState = value;
}

} // namespace VSTGUI
