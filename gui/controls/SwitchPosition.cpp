#include "SwitchPosition.h"

namespace VSTGUI {

float switchValueAt(std::int32_t offset, double length, std::int32_t positionCount)
{
    if (positionCount < 2 || !(length > 0.0))
        return 0.0f;
    const double band = length / static_cast<double>(positionCount);
    const double position = static_cast<double>(static_cast<std::int64_t>(static_cast<double>(offset) / band));
    const float result = static_cast<float>(position / static_cast<double>(positionCount - 1));
    if (result > 1.0f)
        return 1.0f;
    if (result < 0.0f)
        return 0.0f;
    return result;
}

} // namespace VSTGUI
