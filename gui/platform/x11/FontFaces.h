// The framework's standard fonts on Cairo, from the metric-compatible Liberation Sans files
// embedded at build time, so labels look the same whatever the user has installed.
#pragma once

#include "../DrawingSurface.h"

#include <cairo.h>

namespace VSTGUI::platform {

// The system's default font height, for a surface that was given none.
constexpr int kDefaultFontPixels = 12;

// Borrowed: the faces live until the library is unloaded.
cairo_font_face_t* fontFaceFor(const FontDescription& font);

} // namespace VSTGUI::platform
