// Decodes a PNG held in memory into premultiplied blue, green, red, alpha pixels, rows
// straight into a bottom-up buffer that the caller supplies once the size is known.
#pragma once

#include <cstdint>

namespace VSTGUI {

class PixelBufferTarget {
public:
    // Returns the zeroed bottom-up buffer of width * height * 4 bytes, or null to stop.
    virtual std::uint8_t* createPixelBuffer(std::int32_t width, std::int32_t height) = 0;

protected:
    ~PixelBufferTarget() = default;
};

enum class PngDecodeResult {
    decoded,
    noDecoder, // libpng's structures could not be created
    noPixelBuffer,
    // The data is damaged or ends early. Rows decoded before the fault are kept, premultiplied;
    // the rest of the buffer stays transparent black.
    corrupt
};

PngDecodeResult decodePng(const std::uint8_t* data, std::int32_t size, PixelBufferTarget& target);

// Colour bytes times alpha over 256 (not 255); a pixel of alpha 0 becomes all zero.
void premultiplyPixels(std::uint8_t* pixels, std::int32_t pixelCount);

} // namespace VSTGUI
