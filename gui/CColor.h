// A colour of four bytes (red, green, blue, alpha) and its conversion to the platform's
// 0x00BBGGRR colour, which drops alpha: only bitmaps carry per-pixel alpha.
#pragma once

#include <cstdint>

namespace VSTGUI {

struct CColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 0;

    bool operator==(const CColor& other) const
    {
        return red == other.red && green == other.green && blue == other.blue && alpha == other.alpha;
    }
    bool operator!=(const CColor& other) const { return !(*this == other); }
};
static_assert(sizeof(CColor) == 4, "a colour travels as one 32-bit word");

// The word a colour passed by value travels as: red in the least significant byte.
std::uint32_t colorToWord(const CColor& color);
std::uint32_t colorToPlatform(const CColor& color);
// Platform colours have no alpha; what is read back from a surface is opaque.
CColor colorFromPlatform(std::uint32_t platformColor);

extern const CColor kTransparentCColor;
extern const CColor kBlackCColor;
extern const CColor kWhiteCColor;
extern const CColor kGreyCColor;
extern const CColor kRedCColor;
extern const CColor kGreenCColor;
extern const CColor kBlueCColor;
extern const CColor kYellowCColor;
extern const CColor kMagentaCColor;
extern const CColor kCyanCColor;

} // namespace VSTGUI
