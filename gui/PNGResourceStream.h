// Feeds the bytes of a PNG resource to libpng's read interface.
#pragma once

#include <png.h>

#include <cstdint>

namespace VSTGUI {

struct PNGResourceStream {
    const std::uint8_t* data;
    std::int32_t position;
    std::int32_t size;

    // A request for more bytes than remain is a decoder error: libpng must not run on
    // with a buffer it believes was filled.
    static void readCallback(png_structp png, png_bytep buffer, png_size_t length);
};

} // namespace VSTGUI
