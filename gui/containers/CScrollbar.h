// A scroll bar: a track with a scroller whose length is the visible share of the scrolled
// area. Its value 0..1 is the scroll position; dragging the scroller, holding the mouse in the
// track and turning the wheel change it and tell the listener.
#pragma once

#include "../CColor.h"
#include "../controls/CControl.h"

#include <cstdint>

namespace VSTGUI {

class IScrollbarDrawer;

enum CScrollbarDirection : std::int32_t { kScrollbarHorizontal = 0, kScrollbarVertical = 1 };

class CScrollbar : public CControl {
public:
    CScrollbar(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t direction,
               const CRect& scrollSize);

    void draw(CDrawContext* context) override;
    void mouse(CDrawContext* context, CPoint& where, std::int32_t buttons = -1) override;
    bool onWheel(CDrawContext* context, const CPoint& where, float distance) override;
    bool isTypeOf(const char* type) const override;

    // The setters store only; setScrollSize also recomputes the scroller.
    virtual void setDrawer(IScrollbarDrawer* newDrawer) { drawer = newDrawer; }
    virtual void setScrollSize(const CRect& size);
    virtual void setStep(float newStep) { step = newStep; }
    virtual void setFrameColor(const CColor& color) { frameColor = color; }
    virtual void setScrollerColor(const CColor& color) { scrollerColor = color; }
    virtual void setBackgroundColor(const CColor& color) { backgroundColor = color; }

    void calculateScrollerLength();
    CRect getScrollerRect() const;
    void drawBackground(CDrawContext* context);
    void drawScroller(CDrawContext* context, const CRect& rect);

    std::int32_t getDirection() const { return direction; }
    std::int32_t getScrollerLength() const { return scrollerLength; }
    const CRect& getScrollerArea() const { return scrollerArea; }
    float getStep() const { return step; }

protected:
    std::int32_t direction;
    CRect scrollSize;
    CRect scrollerArea;
    float step = 0.1f;
    std::int32_t scrollerLength = 0;
    CColor frameColor{0, 0, 0, 255};
    CColor scrollerColor{0, 0, 255, 255};
    CColor backgroundColor{255, 255, 255, 200};
    IScrollbarDrawer* drawer = nullptr;

private:
    bool vertical() const { return direction == kScrollbarVertical; }
    // The coordinate along the bar's direction.
    std::int32_t along(const CPoint& point) const { return vertical() ? point.y : point.x; }
    std::int32_t scrollerStart() const
    {
        const CRect rect = getScrollerRect();
        return vertical() ? rect.top : rect.left;
    }
    std::int32_t areaStart() const { return vertical() ? scrollerArea.top : scrollerArea.left; }
    std::int32_t areaExtent() const { return vertical() ? scrollerArea.height() : scrollerArea.width(); }
    // Pixels the scroller can travel; 0 when it fills the track.
    std::int32_t travel() const;
    // Fills rect with the colour and outlines it in the frame colour.
    void drawOutlined(CDrawContext* context, const CRect& rect, const CColor& fill) const;
    // Stores the value clamped to 0..1 and tells the listener when it changed.
    void moveTo(CDrawContext* context, float newValue);
    void dragScroller(CDrawContext* context, const CPoint& click);
    void pageTowards(CDrawContext* context, const CPoint& click);
};

} // namespace VSTGUI
