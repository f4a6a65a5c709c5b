#include "CScrollView.h"

#include "CScrollContainer.h"
#include "CScrollbar.h"

#include "../CDrawContext.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

namespace VSTGUI {

namespace {
constexpr std::int32_t kHorizontalBarTag = 0;
constexpr std::int32_t kVerticalBarTag = 1;

float overhang(std::int32_t contentLength, std::int32_t visibleLength)
{
    return static_cast<float>(std::max(0, contentLength - visibleLength));
}
} // namespace

// With both bars each stops one pixel short of the corner square, so their outlines meet. The
// child list takes over each new child's first reference.
CScrollView::CScrollView(const CRect& size, const CRect& containerSize_, CFrame* parent,
                         std::int32_t style_, std::int32_t scrollbarWidth, CBitmap* background_)
    : CViewContainer(size, parent, background_), containerSize(containerSize_), style(style_)
{
    transparencyEnabled = true;
    mode = 1;
    const std::int32_t width = size.width();
    const std::int32_t height = size.height();
    CRect inner(0, 0, width, height);
    const bool both = (style & kScrollViewHorizontalBar) != 0 && (style & kScrollViewVerticalBar) != 0;
    if ((style & kScrollViewHorizontalBar) != 0) {
        CRect bar(0, height - scrollbarWidth, width, height);
        if (both)
            bar.right = width - scrollbarWidth + 1;
        horizontalScrollbar = new CScrollbar(bar, this, kHorizontalBarTag, kScrollbarHorizontal, containerSize);
        CViewContainer::addView(horizontalScrollbar);
        inner.bottom = bar.top;
    }
    if ((style & kScrollViewVerticalBar) != 0) {
        CRect bar(width - scrollbarWidth, 0, width, height);
        if (both)
            bar.bottom = height - scrollbarWidth + 1;
        verticalScrollbar = new CScrollbar(bar, this, kVerticalBarTag, kScrollbarVertical, containerSize);
        CViewContainer::addView(verticalScrollbar);
        inner.right = bar.left;
    }
    scrollContainer = new CScrollContainer(inner, containerSize, parent);
    CViewContainer::addView(scrollContainer);
}

bool CScrollView::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CScrollView") == 0 || CViewContainer::isTypeOf(type);
}

void CScrollView::addView(CView* view)
{
    scrollContainer->addView(view);
}

void CScrollView::setContainerSize(const CRect& size)
{
    containerSize = size;
    scrollContainer->setContainerSize(size);
    for (CScrollbar* bar : {horizontalScrollbar, verticalScrollbar}) {
        if (bar == nullptr)
            continue;
        bar->setScrollSize(size);
        valueChanged(nullptr, bar);
    }
}

// Content that fits has no overhang; a negative one would push it off its place.
void CScrollView::valueChanged(CDrawContext* /*context*/, CControl* control)
{
    CRect visible;
    scrollContainer->getViewSize(visible);
    const CRect& content = scrollContainer->getContainerSize();
    const CPoint& current = scrollContainer->getScrollOffset();
    const float value = control->getValue();
    switch (control->getTag()) {
    case kHorizontalBarTag: {
        const auto x = static_cast<std::int32_t>(value * overhang(content.width(), visible.width()));
        scrollContainer->setScrollOffset(CPoint(content.left - x, current.y));
        break;
    }
    case kVerticalBarTag: {
        const auto y = static_cast<std::int32_t>(value * overhang(content.height(), visible.height()));
        scrollContainer->setScrollOffset(CPoint(current.x, y + content.top));
        break;
    }
    default:
        break;
    }
}

void CScrollView::drawBackgroundRect(CDrawContext* context, CRect& rect)
{
    context->setFrameColor(kBlackCColor);
    context->setLineWidth(1);
    context->drawRect(localArea());
    CViewContainer::drawBackgroundRect(context, rect);
}

bool CScrollView::onWheel(CDrawContext* context, const CPoint& where, CMouseWheelAxis axis, float distance)
{
    if (CViewContainer::onWheel(context, where, axis, distance))
        return true;
    CScrollbar* bar = axis == kWheelAxisY ? verticalScrollbar : horizontalScrollbar;
    return bar != nullptr && bar->onWheel(context, where, distance);
}

} // namespace VSTGUI
