// Index: [SECTION] Life cycle, Drawing, Mouse, Wheel and keys.
#include "CSlider.h"

#include "../CBitmap.h"
#include "../CDrawContext.h"
#include "../COffscreenContext.h"
#include "../CFrame.h"

#include <cstring>

namespace VSTGUI {

namespace {
constexpr std::int32_t kHorizontalBit = 1;
constexpr std::int32_t kDirectDrawingBits = 8 | 32;
constexpr std::int32_t kMirroredMouseBits = 16 | 64;
} // namespace

// [SECTION] Life cycle

CSlider::CSlider(const CRect& size, CControlListener* listener_, std::int32_t tag_, CPoint& offsetHandle_,
                 std::int32_t range, CBitmap* handle, CBitmap* background_, CPoint& offset_, std::int32_t style_)
    : CControl(size, listener_, tag_, background_), offset(offset_), offsetHandle(offsetHandle_), style(style_),
      controlWidth(size.right - size.left), controlHeight(size.bottom - size.top)
{
    takeHandle(handle);
    handleTravel = range - handleLength();
    trackStart = 0;
    trackLow = trackStart + (horizontal() ? offsetHandle.x : offsetHandle.y);
    trackHigh = trackLow + handleLength() + handleTravel;
    wantsFocusFlag = true;
}

CSlider::CSlider(const CRect& size, CControlListener* listener_, std::int32_t tag_, std::int32_t firstPixel,
                 std::int32_t lastPixel, CBitmap* handle, CBitmap* background_, CPoint& offset_, std::int32_t style_)
    : CControl(size, listener_, tag_, background_), offset(offset_), offsetHandle(0, 0), style(style_),
      controlWidth(size.right - size.left), controlHeight(size.bottom - size.top)
{
    takeHandle(handle);
    trackStart = firstPixel - (horizontal() ? size.left : size.top);
    handleTravel = lastPixel - firstPixel;
    trackLow = trackStart;
    trackHigh = lastPixel + handleLength() + trackStart - firstPixel;
    wantsFocusFlag = true;
}

CSlider::~CSlider()
{
    releaseOffscreen();
    if (pHandle != nullptr)
        pHandle->forget();
}

bool CSlider::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CSlider") == 0 || CControl::isTypeOf(type);
}

void CSlider::takeHandle(CBitmap* bitmap)
{
    pHandle = bitmap;
    if (pHandle == nullptr)
        return;
    pHandle->remember();
    handleWidth = pHandle->getWidth();
    handleHeight = pHandle->getHeight();
}

void CSlider::setHandle(CBitmap* bitmap)
{
    if (pHandle != nullptr)
        pHandle->forget();
    takeHandle(bitmap);
}

void CSlider::setOffsetHandle(CPoint& point)
{
    offsetHandle = point;
    trackLow = trackStart + (horizontal() ? point.x : point.y);
    trackHigh = trackLow + handleLength() + handleTravel;
}

bool CSlider::horizontal() const
{
    return (style & kHorizontalBit) != 0;
}

std::int32_t CSlider::handleLength() const
{
    return horizontal() ? handleWidth : handleHeight;
}

bool CSlider::attached(CView* parent)
{
    releaseOffscreen();
    if (parentFrame != nullptr)
        pOScreen = new COffscreenContext(parentFrame, controlWidth, controlHeight, kBlackCColor);
    return CControl::attached(parent);
}

bool CSlider::removed(CView* parent)
{
    releaseOffscreen();
    return CControl::removed(parent);
}

void CSlider::releaseOffscreen()
{
    if (pOScreen == nullptr)
        return;
    pOScreen->forget();
    pOScreen = nullptr;
}

// [SECTION] Drawing

std::int32_t CSlider::handleStart() const
{
    const float drawn = (style & kDirectDrawingBits) != 0 ? value : 1.0f - value;
    return static_cast<std::int32_t>(drawn * static_cast<float>(handleTravel))
           + (horizontal() ? offsetHandle.x : offsetHandle.y);
}

void CSlider::draw(CDrawContext* context)
{
    CDrawContext* target = pOScreen != nullptr ? pOScreen : context;
    if (pOScreen != nullptr && transparencyEnabled)
        pOScreen->copyTo(context, viewSize, CPoint(0, 0));
    // Drawn straight on the context, the pieces sit at the view's place.
    const CPoint origin = pOScreen != nullptr ? CPoint(0, 0) : CPoint(viewSize.left, viewSize.top);

    CRect backgroundRect(0, 0, controlWidth, controlHeight);
    backgroundRect.offset(origin.x, origin.y);
    if (background != nullptr)
        drawBackgroundBitmap(target, *background, backgroundRect, offset);

    // A value out of range keeps the whole handle on the track, never a reversed rectangle.
    std::int32_t start = handleStart();
    if (start > trackHigh - handleLength())
        start = trackHigh - handleLength();
    if (start < trackLow)
        start = trackLow;
    std::int32_t end = start + handleLength();
    if (end > trackHigh)
        end = trackHigh;
    CRect handleRect;
    if (horizontal())
        handleRect = CRect(start, offsetHandle.y, end, offsetHandle.y + handleHeight);
    else
        handleRect = CRect(offsetHandle.x, start, offsetHandle.x + handleWidth, end);
    handleRect.offset(origin.x, origin.y);
    if (pHandle != nullptr) {
        if (drawTransparentHandle)
            pHandle->drawTransparent(target, handleRect, CPoint(0, 0));
        else
            pHandle->draw(target, handleRect, CPoint(0, 0));
    }

    if (pOScreen != nullptr)
        pOScreen->copyFrom(context, viewSize, CPoint(0, 0));
    setDirty(false);
}

// [SECTION] Mouse

void CSlider::mouse(CDrawContext* context, CPoint& where, std::int32_t button)
{
    if (!mouseEnabled || context == nullptr)
        return;
    if (button == -1)
        button = context->getMouseButtons();
    if (modifierClickTaken(context, button))
        return;
    if ((button & kMouseLeft) == 0)
        return;
    // Without travel there is no position to map the pointer to.
    if (handleTravel == 0)
        return;
    std::int32_t delta = horizontal() ? viewSize.left + offsetHandle.x : viewSize.top + offsetHandle.y;
    if (freeClick) {
        delta += handleLength() / 2 - 1;
    } else {
        const std::int32_t start = handleStart() - (horizontal() ? offsetHandle.x : offsetHandle.y) + delta;
        const std::int32_t along = horizontal() ? where.x : where.y;
        const std::int32_t across = horizontal() ? where.y : where.x;
        const std::int32_t acrossStart =
            horizontal() ? viewSize.top + offsetHandle.y : viewSize.left + offsetHandle.x;
        const std::int32_t acrossLength = horizontal() ? handleHeight : handleWidth;
        if (along < start || along > start + handleLength() || across < acrossStart
            || across > acrossStart + acrossLength)
            return;
        // The handle keeps the point where it was gripped.
        delta += along - start;
    }
    trackMouse(context, where, button, delta);
}

// The fine mode always starts from the value at the moment Shift went down, so pressing or
// releasing it mid-drag never makes the handle jump.
void CSlider::trackMouse(CDrawContext* context, CPoint& where, std::int32_t button, std::int32_t delta)
{
    float entry = value;
    beginEdit();
    std::int32_t previousButtons = button;
    for (;;) {
        const std::int32_t buttons = context->getMouseButtons();
        if ((buttons & kMouseLeft) == 0)
            break;
        const bool shift = (buttons & kKeyShift) != 0;
        if (!(buttons == previousButtons && shift)) {
            entry = value;
            if (shift)
                previousButtons = buttons;
        }
        const std::int32_t along = horizontal() ? where.x : where.y;
        value = static_cast<float>(along - delta) / static_cast<float>(handleTravel);
        if ((style & kMirroredMouseBits) != 0)
            value = 1.0f - value;
        if (shift)
            value = entry + (value - entry) / zoomFactor;
        bounceValue();
        notifyIfChanged(context);
        getMouseLocation(context, where);
        doIdleStuff();
    }
    endEdit();
}

// [SECTION] Wheel and keys

bool CSlider::onWheel(CDrawContext* context, const CPoint& /*where*/, float distance)
{
    return stepByWheel(context, distance);
}

std::int32_t CSlider::onKeyDown(VstKeyCode& keyCode)
{
    return stepByArrowKey(keyCode);
}

} // namespace VSTGUI
