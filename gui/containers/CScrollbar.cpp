#include "CScrollbar.h"

#include "IScrollbarDrawer.h"

#include "../CDrawContext.h"
#include "../CFrame.h"

#include <algorithm>
#include <cstring>

namespace VSTGUI {

namespace {
constexpr std::int32_t kTrackInset = 2;
constexpr std::uint32_t kPageRepeatMs = 100;
constexpr float kFineWheelFactor = 0.1f;
constexpr float kScrollbarWheelInc = 0.05f;

float clampToUnit(float value)
{
    return std::min(1.0f, std::max(0.0f, value));
}

bool ticksPassed(std::uint32_t now, std::uint32_t deadline)
{
    return static_cast<std::int32_t>(now - deadline) > 0;
}
} // namespace

CScrollbar::CScrollbar(const CRect& size, CControlListener* listener_, std::int32_t tag_,
                       std::int32_t direction_, const CRect& scrollSize_)
    : CControl(size, listener_, tag_), direction(direction_), scrollSize(scrollSize_),
      scrollerArea(size.left + kTrackInset, size.top + kTrackInset, size.right - kTrackInset,
                   size.bottom - kTrackInset)
{
    wheelInc = kScrollbarWheelInc;
    calculateScrollerLength();
}

bool CScrollbar::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CScrollbar") == 0 || CControl::isTypeOf(type);
}

void CScrollbar::setScrollSize(const CRect& size)
{
    scrollSize = size;
    calculateScrollerLength();
    setDirty(true);
}

// An empty or inverted content fits the view, so it shows no scroller and divides by nothing.
void CScrollbar::calculateScrollerLength()
{
    const std::int32_t viewLength = vertical() ? viewSize.height() : viewSize.width();
    const std::int32_t contentLength = vertical() ? scrollSize.height() : scrollSize.width();
    float factor = 0.0f;
    if (contentLength > 0 && viewLength > 0)
        factor = static_cast<float>(viewLength) / static_cast<float>(contentLength);
    if (factor >= 1.0f)
        factor = 0.0f;
    const auto newLength = static_cast<std::int32_t>(static_cast<float>(viewLength) * factor);
    if (newLength != scrollerLength) {
        scrollerLength = newLength;
        setDirty(true);
    }
}

// A scroller as long as the track or longer cannot travel; it then stays at the track's start.
std::int32_t CScrollbar::travel() const
{
    return std::max(0, areaExtent() - scrollerLength);
}

CRect CScrollbar::getScrollerRect() const
{
    CRect rect = scrollerArea;
    const auto position = static_cast<std::int32_t>(static_cast<float>(travel()) * value);
    if (vertical()) {
        rect.top = scrollerArea.top + position;
        rect.bottom = rect.top + scrollerLength;
    } else {
        rect.left = scrollerArea.left + position;
        rect.right = rect.left + scrollerLength;
    }
    return rect;
}

// [SECTION] Drawing

void CScrollbar::draw(CDrawContext* context)
{
    drawBackground(context);
    if (scrollerLength > 0)
        drawScroller(context, getScrollerRect());
    setDirty(false);
}

void CScrollbar::drawBackground(CDrawContext* context)
{
    if (drawer != nullptr)
        drawer->drawBackground(context, viewSize, direction, this);
    else
        drawOutlined(context, viewSize, backgroundColor);
}

void CScrollbar::drawScroller(CDrawContext* context, const CRect& rect)
{
    if (drawer != nullptr)
        drawer->drawScroller(context, rect, direction, this);
    else
        drawOutlined(context, rect, scrollerColor);
}

void CScrollbar::drawOutlined(CDrawContext* context, const CRect& rect, const CColor& fill) const
{
    context->setLineWidth(1);
    context->setFillColor(fill);
    context->setFrameColor(frameColor);
    context->drawRect(rect, kDrawStyleFilledStroked);
}

// [SECTION] Mouse and wheel

void CScrollbar::mouse(CDrawContext* context, CPoint& where, std::int32_t buttons)
{
    if (context == nullptr)
        return;
    if (buttons == -1)
        buttons = context->getMouseButtons();
    if (buttons != kMouseLeft || scrollerLength == 0)
        return;
    if (getScrollerRect().insideWithEdges(where))
        dragScroller(context, where);
    else if (scrollerArea.insideWithEdges(where))
        pageTowards(context, where);
}

void CScrollbar::moveTo(CDrawContext* context, float newValue)
{
    newValue = clampToUnit(newValue);
    if (newValue == value)
        return;
    value = newValue;
    if (listener != nullptr)
        listener->valueChanged(context, this);
}

void CScrollbar::dragScroller(CDrawContext* context, const CPoint& click)
{
    const std::int32_t startAtClick = scrollerStart();
    CPoint current = click;
    while (context->waitDrag()) {
        getMouseLocation(context, current);
        if (travel() > 0) {
            const std::int32_t newStart = startAtClick + along(current) - along(click);
            moveTo(context, static_cast<float>(newStart - areaStart()) / static_cast<float>(travel()));
        }
        doIdleStuff();
    }
}

void CScrollbar::pageTowards(CDrawContext* context, const CPoint& click)
{
    if (areaExtent() <= 0)
        return;
    const float page = static_cast<float>(scrollerLength) / static_cast<float>(areaExtent());
    std::uint32_t next = parentFrame != nullptr ? parentFrame->getTicks() : 0;
    while (context->getMouseButtons() == kMouseLeft) {
        const std::uint32_t now = parentFrame != nullptr ? parentFrame->getTicks() : next + 1;
        if (ticksPassed(now, next)) {
            const bool beforeScroller = along(click) < scrollerStart();
            moveTo(context, value + (beforeScroller ? -page : page));
            if (getScrollerRect().insideWithEdges(click))
                break;
            next += kPageRepeatMs;
        }
        doIdleStuff();
    }
}

bool CScrollbar::onWheel(CDrawContext* context, const CPoint& /*where*/, float distance)
{
    if (!mouseEnabled)
        return false;
    const float delta = vertical() ? distance : -distance;
    const bool fine = context != nullptr && (context->getMouseButtons() & kKeyShift) != 0;
    value -= (fine ? kFineWheelFactor : 1.0f) * wheelInc * delta;
    bounceValue();
    if (isDirty() && listener != nullptr)
        listener->valueChanged(context, this);
    return true;
}

} // namespace VSTGUI
