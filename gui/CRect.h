// A half-open rectangle in pixels: left and top are inside, right and bottom are not.
// It is not kept normalised; the operations say what an inverted rectangle means.
#pragma once

#include "CPoint.h"

#include <cstdint>

namespace VSTGUI {

struct CRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    CRect() = default;
    CRect(std::int32_t left_, std::int32_t top_, std::int32_t right_, std::int32_t bottom_)
        : left(left_), top(top_), right(right_), bottom(bottom_)
    {
    }

    std::int32_t width() const { return right - left; }
    std::int32_t height() const { return bottom - top; }

    bool pointInside(const CPoint& point) const
    {
        return left <= point.x && point.x < right && top <= point.y && point.y < bottom;
    }
    // Edges included on all four sides, as hit tests of mouseable areas want.
    bool insideWithEdges(const CPoint& point) const
    {
        return left <= point.x && point.x <= right && top <= point.y && point.y <= bottom;
    }
    bool isEmpty() const { return right <= left || bottom <= top; }

    // Clips to r; disjoint rectangles give an empty one that keeps a position, never an inverted one.
    CRect& bound(const CRect& r);

    CRect& offset(std::int32_t dx, std::int32_t dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
        return *this;
    }

    bool operator==(const CRect& other) const
    {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
    bool operator!=(const CRect& other) const { return !(*this == other); }
};

} // namespace VSTGUI
