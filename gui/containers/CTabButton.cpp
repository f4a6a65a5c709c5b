#include "CTabButton.h"

#include "../CDrawContext.h"

#include <cstring>

namespace VSTGUI {

namespace {
constexpr std::int32_t kOnOffStyleNotifyAfterIdle = 0;
} // namespace

CTabButton::CTabButton(const CRect& size, CControlListener* listener_, std::int32_t tag_,
                       CBitmap* background_, const char* name_)
    : COnOffButton(size, listener_, tag_, background_, kOnOffStyleNotifyAfterIdle)
{
    if (name_ != nullptr) {
        const std::size_t length = std::strlen(name_);
        name = std::make_unique<char[]>(length + 1);
        std::memcpy(name.get(), name_, length + 1);
    }
}

CTabButton::~CTabButton() = default;

bool CTabButton::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CTabButton") == 0 || COnOffButton::isTypeOf(type);
}

void CTabButton::draw(CDrawContext* context)
{
    COnOffButton::draw(context);
    if (name == nullptr)
        return;
    context->setFont(font, fontSize, 0);
    context->setFontColor(value != 0.0f ? selectedColor : unselectedColor);
    context->drawString(name.get(), viewSize, 0, kAlignCenter);
}

// A tab is chosen by the click itself; the tab view reads the new value at once.
void CTabButton::mouse(CDrawContext* context, CPoint& /*where*/, std::int32_t buttons)
{
    if (!mouseEnabled)
        return;
    if (buttons == -1 && context != nullptr)
        buttons = context->getMouseButtons();
    if (buttons == -1 || (buttons & kMouseLeft) == 0)
        return;
    select(context, static_cast<std::int32_t>(value) == 0 ? 1.0f : 0.0f);
}

void CTabButton::onDragEnter(CDrawContext* context, CDragContainer* /*drag*/, const CPoint& /*where*/)
{
    if (value == 0.0f)
        select(context, 1.0f);
}

void CTabButton::select(CDrawContext* context, float newValue)
{
    value = newValue;
    if (listener != nullptr)
        listener->valueChanged(context, this);
}

} // namespace VSTGUI
