// The eight standard fonts: identifiers and the exported tables of face names and sizes.
#pragma once

#include <cstdint>

namespace VSTGUI {

enum CFont : std::int32_t {
    kFontSystem = 0, // always bold
    kFontLarger,
    kFontLarge,
    kFontMedium,
    kFontSmall,
    kFontSmaller,
    kFontSmallest,
    kFontSymbol, // decorative family
    kFontCount // also marks a context on which no font was selected yet
};

extern const char* gStandardFontName[kFontCount];
extern const std::int32_t gStandardFontSize[kFontCount];

// Identifiers above kFontSymbol, negative ones included, select kFontSystem.
CFont validFontId(std::int32_t id);

} // namespace VSTGUI
