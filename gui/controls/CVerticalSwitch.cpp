#include "CVerticalSwitch.h"

#include "../CDrawContext.h"
#include "StripGeometry.h"
#include "SwitchPosition.h"

#include <cstring>

namespace VSTGUI {

CVerticalSwitch::CVerticalSwitch(const CRect& size, CControlListener* listener_, std::int32_t tag_,
                                 CBitmap* background_, CPoint& offset_)
    : CVerticalSwitch(size, listener_, tag_, stripFrameCount(background_, size.bottom - size.top),
                      size.bottom - size.top, stripFrameCount(background_, size.bottom - size.top), background_,
                      offset_)
{
}

CVerticalSwitch::CVerticalSwitch(const CRect& size, CControlListener* listener_, std::int32_t tag_,
                                 std::int32_t frameCount_, std::int32_t frameHeight_, std::int32_t positionCount_,
                                 CBitmap* background_, CPoint& offset_)
    : CControl(size, listener_, tag_, background_), offset(offset_), frameCount(frameCount_),
      frameHeight(frameHeight_), positionCount(positionCount_)
{
    defaultValue = 0.0f;
}

bool CVerticalSwitch::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CVerticalSwitch") == 0 || CControl::isTypeOf(type);
}

void CVerticalSwitch::draw(CDrawContext* context)
{
    drawBackgroundFrame(context, CPoint(0, nearestFrame(value, positionCount, frameCount) * frameHeight));
    setDirty(false);
}

void CVerticalSwitch::mouse(CDrawContext* context, CPoint& where, std::int32_t button)
{
    // Unlike the horizontal switch, a right click does nothing here, with a modifier or not.
    if (!leftClickLeftToControl(context, button, ModifierOffer::leftButtonOnly))
        return;
    if (checkDefaultValue(context, button))
        return;
    beginEdit();
    trackPointer(
        context, where,
        [this](const CPoint& at) { return switchValueAt(at.y - viewSize.top, frameHeight, positionCount); },
        [button](std::int32_t buttons) { return buttons == button; });
    endEdit();
}

} // namespace VSTGUI
