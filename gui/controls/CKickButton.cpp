#include "CKickButton.h"

#include "../CDrawContext.h"

#include <cstring>

namespace VSTGUI {

CKickButton::CKickButton(const CRect& size, CControlListener* listener_, std::int32_t tag_, CBitmap* background_,
                         CPoint& offset_)
    : CKickButton(size, listener_, tag_, size.bottom - size.top, background_, offset_)
{
}

CKickButton::CKickButton(const CRect& size, CControlListener* listener_, std::int32_t tag_,
                         std::int32_t frameHeight_, CBitmap* background_, CPoint& offset_)
    : CControl(size, listener_, tag_, background_), offset(offset_), frameHeight(frameHeight_)
{
}

bool CKickButton::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CKickButton") == 0 || CControl::isTypeOf(type);
}

void CKickButton::draw(CDrawContext* context)
{
    bounceValue();
    CPoint source = offset;
    if (value != 0.0f)
        source.y += frameHeight;
    drawBackgroundFrame(context, source);
    setDirty(false);
}

void CKickButton::mouse(CDrawContext* context, CPoint& where, std::int32_t button)
{
    if (!leftClickLeftToControl(context, button))
        return;
    const float entry = value;
    const float pressed = entry == 0.0f ? 1.0f : 0.0f;
    beginEdit();
    if (context->getMouseButtons() == kMouseLeft) {
        trackPointer(
            context, where, [&](const CPoint& at) { return viewSize.insideWithEdges(at) ? pressed : entry; },
            [](std::int32_t buttons) { return buttons == kMouseLeft; });
    } else {
        value = value == 0.0f ? 1.0f : 0.0f;
        if (listener != nullptr)
            listener->valueChanged(context, this);
    }
    value = 0.0f;
    if (listener != nullptr)
        listener->valueChanged(context, this);
    endEdit();
}

} // namespace VSTGUI
