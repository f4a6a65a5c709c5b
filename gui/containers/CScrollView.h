// A window onto a larger area: an inner scroll container holding the user's views and up to
// two scroll bars whose values set the container's offset. The bars and the inner container
// are children of the scroll view and go with it.
#pragma once

#include "../CViewContainer.h"
#include "../controls/CControlListener.h"

#include <cstdint>

namespace VSTGUI {

class CScrollContainer;
class CScrollbar;

enum CScrollViewStyle : std::int32_t { kScrollViewHorizontalBar = 2, kScrollViewVerticalBar = 4 };

class CScrollView : public CViewContainer, public CControlListener {
public:
    CScrollView(const CRect& size, const CRect& containerSize, CFrame* parent, std::int32_t style,
                std::int32_t scrollbarWidth = 16, CBitmap* background = nullptr);

    // User views go into the scroll container.
    void addView(CView* view) override;
    void drawBackgroundRect(CDrawContext* context, CRect& rect) override;
    // A child that takes the wheel comes first; otherwise the bar of that axis scrolls.
    bool onWheel(CDrawContext* context, const CPoint& where, CMouseWheelAxis axis, float distance) override;
    using CViewContainer::onWheel;
    bool isTypeOf(const char* type) const override;

    virtual void setContainerSize(const CRect& size);
    void valueChanged(CDrawContext* context, CControl* control) override;
    virtual CScrollbar* getVerticalScrollbar() const { return verticalScrollbar; }
    virtual CScrollbar* getHorizontalScrollbar() const { return horizontalScrollbar; }

    CScrollContainer* getScrollContainer() const { return scrollContainer; }

protected:
    CScrollContainer* scrollContainer = nullptr;
    CScrollbar* verticalScrollbar = nullptr;
    CScrollbar* horizontalScrollbar = nullptr;
    CRect containerSize;
    std::int32_t style;
};

} // namespace VSTGUI
