#include "CHorizontalSwitch.h"

#include "../CBitmap.h"
#include "../CDrawContext.h"
#include "StripGeometry.h"
#include "SwitchPosition.h"

#include <cstring>

namespace VSTGUI {

namespace {
std::int32_t stepsAcross(const CBitmap* background, std::int32_t frameStep)
{
    if (background == nullptr || frameStep <= 0)
        return 0;
    return background->getWidth() / frameStep;
}
} // namespace

CHorizontalSwitch::CHorizontalSwitch(const CRect& size, CControlListener* listener_, std::int32_t tag_,
                                     CBitmap* background_, CPoint& offset_)
    : CHorizontalSwitch(size, listener_, tag_, stepsAcross(background_, size.right - size.left),
                        size.right - size.left, stepsAcross(background_, size.right - size.left), background_,
                        offset_)
{
}

CHorizontalSwitch::CHorizontalSwitch(const CRect& size, CControlListener* listener_, std::int32_t tag_,
                                     std::int32_t frameCount_, std::int32_t frameStep_,
                                     std::int32_t positionCount_, CBitmap* background_, CPoint& offset_)
    : CControl(size, listener_, tag_, background_), offset(offset_), frameCount(frameCount_),
      positionCount(positionCount_), frameStep(frameStep_)
{
    defaultValue = 0.0f;
}

bool CHorizontalSwitch::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CHorizontalSwitch") == 0 || CControl::isTypeOf(type);
}

void CHorizontalSwitch::draw(CDrawContext* context)
{
    drawBackgroundFrame(context, CPoint(0, nearestFrame(value, positionCount, frameCount) * frameStep));
    setDirty(false);
}

void CHorizontalSwitch::mouse(CDrawContext* context, CPoint& where, std::int32_t button)
{
    // Offered before the left-button test, so a right click with a modifier reaches it.
    if (!leftClickLeftToControl(context, button))
        return;
    if (checkDefaultValue(context, button))
        return;
    // Without a bitmap there is no length to divide among the positions.
    if (background == nullptr)
        return;
    const double length = background->getWidth();
    beginEdit();
    trackPointer(
        context, where,
        [this, length](const CPoint& at) { return switchValueAt(at.x - viewSize.left, length, positionCount); },
        [button](std::int32_t buttons) { return buttons == button; });
    endEdit();
}

} // namespace VSTGUI
