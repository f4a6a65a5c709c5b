#include "CColor.h"

namespace VSTGUI {

const CColor kTransparentCColor = {255, 255, 255, 0};
const CColor kBlackCColor = {0, 0, 0, 255};
const CColor kWhiteCColor = {255, 255, 255, 255};
const CColor kGreyCColor = {127, 127, 127, 255};
const CColor kRedCColor = {255, 0, 0, 255};
const CColor kGreenCColor = {0, 255, 0, 255};
const CColor kBlueCColor = {0, 0, 255, 255};
const CColor kYellowCColor = {255, 255, 0, 255};
const CColor kMagentaCColor = {255, 0, 255, 255};
const CColor kCyanCColor = {0, 255, 255, 255};

std::uint32_t colorToWord(const CColor& color)
{
    return static_cast<std::uint32_t>(color.red) | (static_cast<std::uint32_t>(color.green) << 8)
           | (static_cast<std::uint32_t>(color.blue) << 16) | (static_cast<std::uint32_t>(color.alpha) << 24);
}

std::uint32_t colorToPlatform(const CColor& color)
{
    return colorToWord(color) & 0x00FFFFFFu;
}

CColor colorFromPlatform(std::uint32_t platformColor)
{
    return {static_cast<std::uint8_t>(platformColor & 0xFFu), static_cast<std::uint8_t>((platformColor >> 8) & 0xFFu),
            static_cast<std::uint8_t>((platformColor >> 16) & 0xFFu), 255};
}

} // namespace VSTGUI
