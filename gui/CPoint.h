// A position in pixels; y grows downwards.
#pragma once

#include <cstdint>

namespace VSTGUI {

struct CPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;

    CPoint() = default;
    CPoint(std::int32_t x_, std::int32_t y_) : x(x_), y(y_) {}

    CPoint& offset(std::int32_t dx, std::int32_t dy)
    {
        x += dx;
        y += dy;
        return *this;
    }

    bool operator==(const CPoint& other) const { return x == other.x && y == other.y; }
    bool operator!=(const CPoint& other) const { return !(*this == other); }
};

} // namespace VSTGUI
