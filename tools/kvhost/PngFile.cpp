#include "PngFile.h"

#include "FinishedFile.h"

#include <png.h>

#include <cstdio>

namespace {
// libpng reports errors by jumping back here; only plain data lives in this frame, so the jump
// skips no destructor.
bool encode(std::FILE* file, const RgbImage& image)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const std::size_t stride = static_cast<std::size_t>(image.width) * 3;
    for (int y = 0; y < image.height; ++y)
        png_write_row(png, image.pixels.data() + static_cast<std::size_t>(y) * stride);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}
} // namespace

void writePng(const std::string& path, const RgbImage& image)
{
    std::FILE* file = std::fopen(partialPathFor(path).c_str(), "wb");
    if (file == nullptr)
        finishFile(path, false);
    const bool encoded = encode(file, image);
    finishFile(path, std::fclose(file) == 0 && encoded);
}
