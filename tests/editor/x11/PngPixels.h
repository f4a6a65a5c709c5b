// A PNG file's pixels as the tests compare them, decoded by libpng independently of the
// plug-in: rows top to bottom, empty when the file cannot be read.
#pragma once

#include "X11PanelHost.h"

#include <vector>

struct PngPixels {
    int width = 0;
    int height = 0;
    std::vector<PanelPixel> pixels;

    const PanelPixel& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

PngPixels readPngPixels(const char* path);
