// The value of a multi-position switch for a pointer offset along its axis.
#pragma once

#include <cstdint>

namespace VSTGUI {

// position = offset / band truncated, value = position / (positionCount - 1), within 0 to 1.
// A switch of fewer than two positions, or without length, stays at 0.
float switchValueAt(std::int32_t offset, double length, std::int32_t positionCount);

} // namespace VSTGUI
