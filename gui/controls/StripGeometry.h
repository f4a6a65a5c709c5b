// Frame arithmetic shared by the controls that show one frame of a vertical image strip.
#pragma once

#include <cstdint>

namespace VSTGUI {

class CBitmap;

// How many frames of frameHeight the bitmap holds; 0 without a bitmap or with no height.
std::int32_t stripFrameCount(const CBitmap* bitmap, std::int32_t frameHeight);
// The frame index k held to the frames present, so a value out of range never points the
// source past the strip.
std::int32_t clampedFrame(std::int32_t k, std::int32_t frameCount);
// k = value × (positionCount - 1) + 0.5 truncated, within the frames present; NaN gives 0.
std::int32_t nearestFrame(float value, std::int32_t positionCount, std::int32_t frameCount);

} // namespace VSTGUI
