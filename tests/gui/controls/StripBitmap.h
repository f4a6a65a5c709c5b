// A bitmap of a given size that records where it was asked to draw from, so a test can tell
// which frame of a strip a control chose.
#pragma once

#include "CBitmap.h"
#include "CFrame.h"

#include <vector>

class StripBitmap : public VSTGUI::CBitmap {
public:
    StripBitmap(VSTGUI::CFrame& frame, std::int32_t stripWidth, std::int32_t stripHeight)
        : CBitmap(frame, stripWidth, stripHeight)
    {
    }
    void draw(VSTGUI::CDrawContext* /*context*/, VSTGUI::CRect& rect, const VSTGUI::CPoint& offset) override
    {
        record(rect, offset);
    }
    void drawTransparent(VSTGUI::CDrawContext* /*context*/, VSTGUI::CRect& rect, const VSTGUI::CPoint& offset) override
    {
        record(rect, offset);
    }
    // The source offset of the last draw.
    VSTGUI::CPoint lastSource() const { return sources.empty() ? VSTGUI::CPoint(-999, -999) : sources.back(); }
    VSTGUI::CRect lastRect() const { return rects.empty() ? VSTGUI::CRect() : rects.back(); }
    std::size_t drawCount() const { return sources.size(); }

private:
    void record(const VSTGUI::CRect& rect, const VSTGUI::CPoint& offset)
    {
        rects.push_back(rect);
        sources.push_back(offset);
    }
    std::vector<VSTGUI::CRect> rects;
    std::vector<VSTGUI::CPoint> sources;
};
