#include "COnOffButton.h"

#include "../CBitmap.h"
#include "../CDrawContext.h"

#include <cstring>

namespace VSTGUI {

namespace {
constexpr std::int32_t kNotifyBeforeIdle = 1;
constexpr std::int32_t kNotifyAfterIdle = 0;
} // namespace

COnOffButton::COnOffButton(const CRect& size, CControlListener* listener_, std::int32_t tag_,
                           CBitmap* background_, std::int32_t style_)
    : CControl(size, listener_, tag_, background_), style(style_)
{
}

bool COnOffButton::isTypeOf(const char* type) const
{
    return std::strcmp(type, "COnOffButton") == 0 || CControl::isTypeOf(type);
}

void COnOffButton::draw(CDrawContext* context)
{
    if (background != nullptr)
        drawBackgroundFrame(context, CPoint(0, value == 0.0f ? 0 : background->getHeight() / 2));
    setDirty(false);
}

void COnOffButton::mouse(CDrawContext* context, CPoint& /*where*/, std::int32_t button)
{
    // A right click with a modifier is not the listener's: the button has no right-click use.
    if (!leftClickLeftToControl(context, button, ModifierOffer::leftButtonOnly))
        return;
    // Anything strictly between -1 and 1 counts as off.
    value = static_cast<std::int32_t>(value) == 0 ? 1.0f : 0.0f;
    if (style == kNotifyBeforeIdle)
        notifyAsGesture(context);
    doIdleStuff();
    if (style == kNotifyAfterIdle)
        notifyAsGesture(context);
}

void COnOffButton::notifyAsGesture(CDrawContext* context)
{
    if (listener == nullptr)
        return;
    beginEdit();
    listener->valueChanged(context, this);
    endEdit();
}

} // namespace VSTGUI
