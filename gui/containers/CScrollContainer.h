// The clipped inner container of a scroll view. It scrolls by moving its children's
// rectangles and mouse areas by each change of the offset, so drawing and hit testing need
// no translation.
#pragma once

#include "../CViewContainer.h"

namespace VSTGUI {

class CScrollContainer : public CViewContainer {
public:
    CScrollContainer(const CRect& size, const CRect& containerSize, CFrame* parent,
                     CBitmap* background = nullptr);

    // Children scrolled out of sight do not count.
    bool isDirty() const override;
    void redrawRect(CDrawContext* context, const CRect& rect) override;
    bool isTypeOf(const char* type) const override;

    // redraw is accepted for callers' sake; marking dirty is what redraws.
    void setScrollOffset(CPoint newOffset, bool redraw = false);
    void setContainerSize(const CRect& size);
    const CRect& getContainerSize() const { return containerSize; }
    const CPoint& getScrollOffset() const { return offset; }

protected:
    CRect containerSize;
    CPoint offset;
};

} // namespace VSTGUI
