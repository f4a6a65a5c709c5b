#include "CRockerSwitch.h"

#include "../CDrawContext.h"

#include <cstring>

namespace VSTGUI {

namespace {
constexpr std::int32_t kHorizontalRocker = 1;
} // namespace

CRockerSwitch::CRockerSwitch(const CRect& size, CControlListener* listener_, std::int32_t tag_,
                             CBitmap* background_, CPoint& offset_, std::int32_t style_)
    : CRockerSwitch(size, listener_, tag_, size.right - size.left, background_, offset_, style_)
{
}

CRockerSwitch::CRockerSwitch(const CRect& size, CControlListener* listener_, std::int32_t tag_,
                             std::int32_t frameHeight_, CBitmap* background_, CPoint& offset_, std::int32_t style_)
    : CControl(size, listener_, tag_, background_), offset(offset_), frameHeight(frameHeight_), style(style_)
{
    defaultValue = 0.0f;
}

bool CRockerSwitch::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CRockerSwitch") == 0 || CControl::isTypeOf(type);
}

void CRockerSwitch::draw(CDrawContext* context)
{
    CPoint source = offset;
    if (value == 1.0f)
        source.y += 2 * frameHeight;
    else if (value == 0.0f)
        source.y += frameHeight;
    drawBackgroundFrame(context, source);
    setDirty(false);
}

float CRockerSwitch::valueAt(const CPoint& where, float entry) const
{
    if ((style & kHorizontalRocker) != 0) {
        const std::int32_t middle = viewSize.left + viewSize.width() / 2;
        if (where.y < viewSize.top || where.y > viewSize.bottom)
            return entry;
        if (where.x >= viewSize.left && where.x <= middle)
            return -1.0f;
        if (where.x > middle && where.x <= viewSize.right)
            return 1.0f;
        return entry;
    }
    const std::int32_t middle = viewSize.top + viewSize.height() / 2;
    if (where.x < viewSize.left || where.x > viewSize.right)
        return entry;
    if (where.y >= viewSize.top && where.y <= middle)
        return -1.0f;
    if (where.y > middle && where.y <= viewSize.bottom)
        return 1.0f;
    return entry;
}

void CRockerSwitch::mouse(CDrawContext* context, CPoint& where, std::int32_t button)
{
    if (!leftClickLeftToControl(context, button))
        return;
    const float entry = value;
    beginEdit();
    trackPointer(
        context, where, [this, entry](const CPoint& at) { return valueAt(at, entry); },
        [](std::int32_t buttons) { return (buttons & (kMouseLeft | kMouseMiddle | kMouseRight)) != 0; });
    value = 0.0f;
    if (listener != nullptr)
        listener->valueChanged(context, this);
    endEdit();
}

bool CRockerSwitch::onWheel(CDrawContext* context, const CPoint& /*where*/, float distance)
{
    if (!mouseEnabled)
        return false;
    value = distance > 0.0f ? -1.0f : 1.0f;
    beginEdit();
    notifyIfChanged(context);
    value = 0.0f;
    if (listener != nullptr)
        listener->valueChanged(context, this);
    endEdit();
    return true;
}

} // namespace VSTGUI
