// The page that scrolls: a scroll view with both bars over a grid of on/off buttons that is
// larger than the view, so a person scrolls to reach them. Page-local coordinates.
#pragma once

#include "CRect.h"

class GalleryPage;

namespace gallery {

inline const VSTGUI::CRect kScrollViewArea(20, 40, 600, 420);
constexpr std::int32_t kScrollBarWidth = 16;
constexpr std::int32_t kScrollGridColumns = 8;
constexpr std::int32_t kScrollGridRows = 10;
constexpr std::int32_t kScrollCellWidth = 140;
constexpr std::int32_t kScrollCellHeight = 90;
constexpr std::int32_t kScrollButtonWidth = 48;
constexpr std::int32_t kScrollButtonHeight = 24;
// The scrolled area: the whole grid.
inline const VSTGUI::CRect kScrollContent(0, 0, kScrollGridColumns * kScrollCellWidth,
                                          kScrollGridRows * kScrollCellHeight);

// A button's place in the scrolled area before any scrolling.
inline VSTGUI::CRect scrollButtonRect(std::int32_t column, std::int32_t row)
{
    const std::int32_t left = column * kScrollCellWidth + (kScrollCellWidth - kScrollButtonWidth) / 2;
    const std::int32_t top = row * kScrollCellHeight + (kScrollCellHeight - kScrollButtonHeight) / 2;
    return VSTGUI::CRect(left, top, left + kScrollButtonWidth, top + kScrollButtonHeight);
}

} // namespace gallery

void buildScrollPage(GalleryPage& page);
