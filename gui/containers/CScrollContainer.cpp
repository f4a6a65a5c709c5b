#include "CScrollContainer.h"

#include "../CFrame.h"

#include <algorithm>
#include <cstring>

namespace VSTGUI {

CScrollContainer::CScrollContainer(const CRect& size, const CRect& containerSize_, CFrame* parent,
                                   CBitmap* background_)
    : CViewContainer(size, parent, background_), containerSize(containerSize_)
{
    transparencyEnabled = true;
    mode = 1;
}

bool CScrollContainer::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CScrollContainer") == 0 || CViewContainer::isTypeOf(type);
}

void CScrollContainer::setScrollOffset(CPoint newOffset, bool /*redraw*/)
{
    newOffset.x = std::min(containerSize.right, std::max(containerSize.left - containerSize.width(), newOffset.x));
    newOffset.y = std::min(containerSize.bottom, std::max(containerSize.top, newOffset.y));
    const std::int32_t dx = newOffset.x - offset.x;
    const std::int32_t dy = offset.y - newOffset.y;
    if (dx == 0 && dy == 0)
        return;
    for (CCView* node = firstView; node != nullptr; node = node->next) {
        CRect rect;
        node->view->getViewSize(rect);
        rect.offset(dx, dy);
        node->view->setViewSize(rect);
        node->view->getMouseableArea(rect);
        rect.offset(dx, dy);
        node->view->setMouseableArea(rect);
    }
    offset = newOffset;
    setDirty(true);
}

void CScrollContainer::setContainerSize(const CRect& size)
{
    containerSize = size;
    setScrollOffset(offset);
}

bool CScrollContainer::isDirty() const
{
    if (dirty)
        return true;
    for (CCView* node = firstView; node != nullptr; node = node->next) {
        if (!node->view->isDirty())
            continue;
        CRect rect;
        node->view->getViewSize(rect);
        rect.offset(viewSize.left, viewSize.top);
        if (rect.right >= viewSize.left && rect.left <= viewSize.right && rect.bottom >= viewSize.top
            && rect.top <= viewSize.bottom)
            return true;
    }
    return false;
}

// Only the visible part is redrawn; the container's own redraw then finds the place on screen.
void CScrollContainer::redrawRect(CDrawContext* context, const CRect& rect)
{
    CRect visible = rect;
    visible.bound(localArea());
    CViewContainer::redrawRect(context, visible);
}

} // namespace VSTGUI
