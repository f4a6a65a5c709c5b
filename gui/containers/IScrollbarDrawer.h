// An outside painter for a scroll bar's track and scroller; the bar borrows it.
#pragma once

#include <cstdint>

namespace VSTGUI {

class CDrawContext;
class CRect;
class CScrollbar;

class IScrollbarDrawer {
public:
    virtual void drawBackground(CDrawContext* context, const CRect& rect, std::int32_t direction,
                                CScrollbar* bar) = 0;
    virtual void drawScroller(CDrawContext* context, const CRect& rect, std::int32_t direction,
                              CScrollbar* bar) = 0;

protected:
    ~IScrollbarDrawer() = default;
};

} // namespace VSTGUI
