#include "StripGeometry.h"

#include "../CBitmap.h"

namespace VSTGUI {

std::int32_t stripFrameCount(const CBitmap* bitmap, std::int32_t frameHeight)
{
    if (bitmap == nullptr || frameHeight <= 0)
        return 0;
    return bitmap->getHeight() / frameHeight;
}

std::int32_t clampedFrame(std::int32_t k, std::int32_t frameCount)
{
    if (k >= frameCount)
        k = frameCount - 1;
    return k < 0 ? 0 : k;
}

std::int32_t nearestFrame(float value, std::int32_t positionCount, std::int32_t frameCount)
{
    const float position = value * static_cast<float>(positionCount - 1) + 0.5f;
    // Also false for NaN; the float is held in range before it becomes an integer.
    if (!(position >= 0.0f))
        return 0;
    if (position >= static_cast<float>(frameCount))
        return clampedFrame(frameCount - 1, frameCount);
    return clampedFrame(static_cast<std::int32_t>(position), frameCount);
}

} // namespace VSTGUI
