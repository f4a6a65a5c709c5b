// Index: [SECTION] Life cycle, Drawing, Angles, Mouse, Wheel and keys.
#include "CKnob.h"

#include "../CBitmap.h"
#include "../CDrawContext.h"
#include "../CFrame.h"
#include "../MathConstants.h"

#include <cmath>
#include <cstring>

namespace VSTGUI {

namespace {
// The single-precision 2 pi the gap arithmetic is defined with.
constexpr float kTwoPi = 6.2831855f;
constexpr float kDefaultStartAngle = 5.0f * kPi / 4.0f;
constexpr float kDefaultRangeAngle = -3.0f * kPi / 2.0f;
constexpr std::int32_t kInsetWithoutHandle = 3;
// Pixels of linear drag across the whole range (before the Shift zoom).
constexpr float kLinearDragPixels = 200.0f;
constexpr std::int32_t kLinearKnobMode = 2;
// With Shift, the wheel and the arrow keys move a tenth of a step.
constexpr float kFineStep = 0.1f;

float wrappedAngle(float angle)
{
    if (angle < 0.0f)
        return angle + kTwoPi;
    if (angle > kTwoPi)
        return angle - kTwoPi;
    return angle;
}
} // namespace

// [SECTION] Life cycle

CKnob::CKnob(const CRect& size, CControlListener* listener_, std::int32_t tag_, CBitmap* background_,
             CBitmap* handle, const CPoint& offset_)
    : CControl(size, listener_, tag_, background_), offset(offset_), colorHandle(kWhiteCColor),
      colorShadowHandle(kGreyCColor), radius(static_cast<float>(size.right - size.left) * 0.5f)
{
    if (handle != nullptr)
        takeHandle(handle);
    else
        inset = kInsetWithoutHandle;
    setStartAngle(kDefaultStartAngle);
    setRangeAngle(kDefaultRangeAngle);
    wantsFocusFlag = true;
}

CKnob::~CKnob()
{
    if (pHandle != nullptr)
        pHandle->forget();
}

void CKnob::takeHandle(CBitmap* bitmap)
{
    pHandle = bitmap;
    pHandle->remember();
    inset = static_cast<std::int32_t>(static_cast<float>(pHandle->getWidth()) * 0.5f + 2.5f);
}

void CKnob::setHandleBitmap(CBitmap* bitmap)
{
    if (pHandle != nullptr) {
        pHandle->forget();
        pHandle = nullptr;
    }
    if (bitmap != nullptr)
        takeHandle(bitmap);
}

bool CKnob::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CKnob") == 0 || CControl::isTypeOf(type);
}

// [SECTION] Drawing

void CKnob::draw(CDrawContext* context)
{
    if (background != nullptr)
        drawBackgroundBitmap(context, *background, viewSize, offset);
    drawHandle(context);
    setDirty(false);
}

void CKnob::drawHandle(CDrawContext* context)
{
    CPoint point;
    valueToPoint(point);
    if (pHandle != nullptr) {
        const std::int32_t width = pHandle->getWidth();
        const std::int32_t height = pHandle->getHeight();
        const std::int32_t left = viewSize.left + point.x - width / 2;
        const std::int32_t top = viewSize.top + point.y - height / 2;
        CRect handleRect(left, top, left + width, top + height);
        pHandle->drawTransparent(context, handleRect, CPoint(0, 0));
        return;
    }
    CPoint start(viewSize.left - 1 + point.x, viewSize.top + point.y);
    CPoint centre(viewSize.left - 1 + viewSize.width() / 2, viewSize.top + viewSize.height() / 2);
    context->setFrameColor(colorShadowHandle);
    context->moveTo(start);
    context->lineTo(centre);
    start.offset(1, -1);
    centre.offset(1, -1);
    context->setFrameColor(colorHandle);
    context->moveTo(start);
    context->lineTo(centre);
}

void CKnob::setColorHandle(CColor color)
{
    colorHandle = color;
    setDirty(true);
}

void CKnob::setColorShadowHandle(CColor color)
{
    colorShadowHandle = color;
    setDirty(true);
}

// [SECTION] Angles

void CKnob::setStartAngle(float angle)
{
    startAngle = angle;
    compute();
}

void CKnob::setRangeAngle(float angle)
{
    rangeAngle = angle;
    compute();
}

void CKnob::compute()
{
    aCoef = (maxValue - minValue) / rangeAngle;
    bCoef = minValue - aCoef * startAngle;
    halfAngle = (kTwoPi - std::fabs(rangeAngle)) * 0.5f;
    setDirty(true);
}

void CKnob::valueToPoint(CPoint& point) const
{
    const double alpha = static_cast<float>((value - bCoef) / aCoef);
    const double handleRadius = radius - static_cast<float>(inset);
    point.x = static_cast<std::int32_t>(radius + std::cos(alpha) * handleRadius + 0.5);
    point.y = static_cast<std::int32_t>(radius - std::sin(alpha) * handleRadius + 0.5);
}

float CKnob::valueFromPoint(CPoint& point) const
{
    float alpha = static_cast<float>(std::atan2(static_cast<double>(radius - static_cast<float>(point.y)),
                                                static_cast<double>(static_cast<float>(point.x) - radius)));
    if (alpha < 0.0f)
        alpha += kTwoPi;
    float d = alpha - startAngle;
    if (rangeAngle < 0.0f) {
        // Measured counter-clockwise from the maximum's end.
        d -= rangeAngle;
        const float e = wrappedAngle(d);
        if (e > halfAngle - rangeAngle)
            return maxValue;
        if (e > -rangeAngle)
            return minValue;
        if (d > halfAngle - rangeAngle)
            d -= kTwoPi;
        else if (d < -halfAngle)
            d += kTwoPi;
        return maxValue + aCoef * d;
    }
    const float e = wrappedAngle(d);
    if (e > rangeAngle + halfAngle)
        return minValue;
    if (e > rangeAngle)
        return maxValue;
    if (d > rangeAngle + halfAngle)
        d -= kTwoPi;
    else if (d < -halfAngle)
        d += kTwoPi;
    return minValue + aCoef * d;
}

// [SECTION] Mouse

// The host's knob mode 2 means linear; Alt swaps the two modes.
bool CKnob::linearDrag(std::int32_t buttons) const
{
    const std::int32_t knobMode = parentFrame != nullptr ? parentFrame->getKnobMode() : 0;
    return (knobMode == kLinearKnobMode) != ((buttons & kKeyAlt) != 0);
}

void CKnob::mouse(CDrawContext* context, CPoint& where, std::int32_t buttons)
{
    if (!mouseEnabled || context == nullptr)
        return;
    if (buttons == -1)
        buttons = context->getMouseButtons();
    if ((buttons & kMouseLeft) == 0)
        return;
    if (modifierClickTaken(context, buttons))
        return;
    trackMouse(context, where, buttons);
}

// The drag is a polling loop on the GUI thread until the left button is released; it
// re-evaluates only when the pointer moved, and keeps idle work going between readings.
void CKnob::trackMouse(CDrawContext* context, CPoint& where, std::int32_t button)
{
    const float span = maxValue - minValue;
    const float middle = span * 0.5f;
    const bool linear = linearDrag(button);
    float old = oldValue;
    float entry = value;
    float range = kLinearDragPixels;
    float coef = span / range;
    std::int32_t previousButtons = button;
    CPoint firstPoint;
    if (linear) {
        if ((button & kKeyShift) != 0)
            range *= zoomFactor;
        firstPoint = where;
        coef = span / range;
    } else {
        CPoint local(where.x - viewSize.left, where.y - viewSize.top);
        old = valueFromPoint(local);
    }

    CPoint lastPoint(-1, -1);
    beginEdit();
    std::int32_t buttons = 0;
    do {
        buttons = context->getMouseButtons();
        if (where != lastPoint) {
            lastPoint = where;
            if (linear) {
                const std::int32_t diff = (firstPoint.y - where.y) + (where.x - firstPoint.x);
                if (buttons != previousButtons) {
                    // Rebasing keeps the value continuous when Shift changes the rate.
                    range = kLinearDragPixels;
                    if ((buttons & kKeyShift) != 0)
                        range *= zoomFactor;
                    const float newCoef = span / range;
                    entry += static_cast<float>(diff) * (coef - newCoef);
                    coef = newCoef;
                    previousButtons = buttons;
                }
                value = entry + static_cast<float>(diff) * coef;
                bounceValue();
            } else {
                CPoint local(where.x - viewSize.left, where.y - viewSize.top);
                const float reading = valueFromPoint(local);
                // A jump of more than half the range crosses the gap: stay at the end it left.
                value = reading;
                if (old - reading > middle)
                    value = maxValue;
                else if (reading - old > middle)
                    value = minValue;
                else
                    old = reading;
            }
            notifyIfChanged(context);
        }
        getMouseLocation(context, where);
        doIdleStuff();
    } while ((buttons & kMouseLeft) != 0);
    endEdit();
}

// [SECTION] Wheel and keys

bool CKnob::onWheel(CDrawContext* context, const CPoint& /*where*/, float distance)
{
    if (!mouseEnabled)
        return false;
    const bool fine = context != nullptr && (context->getMouseButtons() & kKeyShift) != 0;
    value += distance * (fine ? kFineStep * wheelInc : wheelInc);
    bounceValue();
    notifyStepIfChanged(context);
    return true;
}

std::int32_t CKnob::onKeyDown(VstKeyCode& keyCode)
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

} // namespace VSTGUI
