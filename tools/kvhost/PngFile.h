// Writes 8-bit RGB images as PNG files through libpng.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct RgbImage {
    int width;
    int height;
    std::vector<std::uint8_t> pixels;  // rows top to bottom, red, green, blue per pixel
};

// Throws KvhostError; no partial file is left behind.
void writePng(const std::string& path, const RgbImage& image);
