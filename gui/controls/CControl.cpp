#include "CControl.h"

#include "../CDrawContext.h"
#include "../CFrame.h"
#include "../platform/Platform.h"

#include <cstring>

namespace VSTGUI {

namespace {
// Users may set their double-click time shorter than a mouse can comfortably manage.
constexpr std::int64_t kMinimumDoubleClickMs = 250;
constexpr std::int32_t kDefaultValueClick = kMouseLeft | kKeyControl;
// Apple (command), never set on Windows but part of the modifier set.
constexpr std::int32_t kKeyApple = 64;
constexpr std::int32_t kModifierKeys = kKeyShift | kKeyControl | kKeyAlt | kKeyApple;
// With Shift, the wheel and the arrow keys move a tenth of a step.
constexpr float kFineStep = 0.1f;
} // namespace

CControl::CControl(const CRect& size, CControlListener* listener_, std::int32_t tag_, CBitmap* background_)
    : CView(size), listener(listener_), tag(tag_)
{
    doubleClickInterval = platform::getDoubleClickTime();
    if (doubleClickInterval < kMinimumDoubleClickMs)
        doubleClickInterval = kMinimumDoubleClickMs;
    transparencyEnabled = false;
    mouseEnabled = true;
    // Runs CControl::setDirty, so a new control starts dirty with oldValue -1.
    setBackground(background_);
}

// [SECTION] Dirty tracking and identity

bool CControl::isDirty() const
{
    // NaN compares unequal to everything and so counts as changed.
    if (!(oldValue == value))
        return true;
    return dirty;
}

void CControl::setDirty(bool value_)
{
    dirty = value_;
    if (value_)
        oldValue = value == -1.0f ? 0.0f : -1.0f;
    else
        oldValue = value;
}

bool CControl::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CControl") == 0 || CView::isTypeOf(type);
}

// [SECTION] Gestures

void CControl::doIdleStuff()
{
    if (parentFrame != nullptr)
        parentFrame->doIdleStuff();
}

// A control outside a frame has nobody to tell; gestures on it stay silent.
void CControl::beginEdit()
{
    if (parentFrame == nullptr)
        return;
    parentFrame->setFocusView(this);
    parentFrame->beginEdit(tag);
}

void CControl::endEdit()
{
    if (parentFrame != nullptr)
        parentFrame->endEdit(tag);
}

void CControl::copyBackOffset()
{
    backOffset = CPoint(viewSize.left, viewSize.top);
}

void CControl::bounceValue()
{
    if (value > maxValue)
        value = maxValue;
    else if (value < minValue)
        value = minValue;
}

bool CControl::checkDefaultValue(CDrawContext* context, std::int32_t button)
{
    if (button != kDefaultValueClick)
        return false;
    beginEdit();
    value = getDefaultValue();
    notifyIfChanged(context);
    endEdit();
    return true;
}

bool CControl::isDoubleClick()
{
    if (parentFrame == nullptr)
        return false;
    const std::int64_t now = parentFrame->getTicks();
    if (lastClickTime > 0 && now < lastClickTime + doubleClickInterval) {
        lastClickTime = 0;
        return true;
    }
    lastClickTime = now;
    return false;
}

bool CControl::modifierClickTaken(CDrawContext* context, std::int32_t button)
{
    if ((button & kMouseLeft) != 0 && listenerTookModifierClick(context, button))
        return true;
    return checkDefaultValue(context, button);
}

bool CControl::leftClickLeftToControl(CDrawContext* context, std::int32_t& button, ModifierOffer offer)
{
    if (!mouseEnabled || context == nullptr)
        return false;
    if (button == -1)
        button = context->getMouseButtons();
    if (offer == ModifierOffer::leftButtonOnly && (button & kMouseLeft) == 0)
        return false;
    return !listenerTookModifierClick(context, button) && (button & kMouseLeft) != 0;
}

bool CControl::listenerTookModifierClick(CDrawContext* context, std::int32_t button)
{
    return (button & kModifierKeys) != 0 && listener != nullptr
           && listener->controlModifierClicked(context, this, button) != 0;
}

bool CControl::stepByWheel(CDrawContext* context, float distance)
{
    if (!mouseEnabled)
        return false;
    const bool fine = context != nullptr && (context->getMouseButtons() & kKeyShift) != 0;
    value += distance * (fine ? kFineStep * wheelInc : wheelInc);
    bounceValue();
    notifyStepIfChanged(context);
    return true;
}

std::int32_t CControl::stepByArrowKey(VstKeyCode& keyCode)
{
    float step = 0.0f;
    switch (keyCode.virt) {
    case VKEY_UP:
    case VKEY_RIGHT:
        step = 1.0f;
        break;
    case VKEY_LEFT:
    case VKEY_DOWN:
        step = -1.0f;
        break;
    default:
        return -1;
    }
    if ((keyCode.modifier & MODIFIER_SHIFT) != 0)
        step *= kFineStep;
    value += step * wheelInc;
    bounceValue();
    notifyStepIfChanged(nullptr);
    return 1;
}

std::int32_t CControl::mouseButtons(CDrawContext* context)
{
    return context->getMouseButtons();
}

void CControl::drawBackgroundFrame(CDrawContext* context, const CPoint& offset)
{
    if (background != nullptr)
        drawBackgroundBitmap(context, *background, viewSize, offset);
}

void CControl::notifyIfChanged(CDrawContext* context)
{
    if (isDirty() && listener != nullptr)
        listener->valueChanged(context, this);
}

void CControl::notifyStepIfChanged(CDrawContext* context)
{
    if (!isDirty() || listener == nullptr)
        return;
    beginEdit();
    listener->valueChanged(context, this);
    endEdit();
}

} // namespace VSTGUI
