#include "CFont.h"

namespace VSTGUI {

const char* gStandardFontName[kFontCount] = {"Arial", "Arial", "Arial", "Arial", "Arial", "Arial", "Arial", "Symbol"};
const std::int32_t gStandardFontSize[kFontCount] = {12, 18, 14, 12, 11, 10, 9, 13};

CFont validFontId(std::int32_t id)
{
    return static_cast<std::uint32_t>(id) > kFontSymbol ? kFontSystem : static_cast<CFont>(id);
}

} // namespace VSTGUI
