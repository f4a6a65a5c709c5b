// A 5 x 7 pixel font of printable ASCII for the demo's plots, drawn into RGB images.
#pragma once

#include "PngFile.h"

#include <cstdint>
#include <string>

struct Rgb {
    std::uint8_t red, green, blue;
};

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;
// Glyph width plus the gap to the next one, in font pixels.
constexpr int kGlyphAdvance = 6;

// Each font pixel becomes scale x scale image pixels; left and top are the text's top-left
// corner. Characters without a glyph show as a hollow box; parts outside the image are cut off.
void drawText(RgbImage& image, const std::string& text, int left, int top, int scale, Rgb colour);
int textWidth(const std::string& text, int scale);
