#include "PngDecoder.h"

#include "PNGResourceStream.h"
#include "platform/PlatformImage.h"

#include <png.h>

#include <csetjmp>
#include <cstdint>

namespace VSTGUI {

namespace {
constexpr std::int32_t kBytesPerPixel = 4;
constexpr png_uint_32 kOpaqueFiller = 0xFF;

// Nothing is logged: errors leave through the error exit, warnings are dropped.
[[noreturn]] void abandonDecoding(png_structp png, png_const_charp /*message*/)
{
    png_longjmp(png, 1);
}

void ignoreWarning(png_structp /*png*/, png_const_charp /*message*/) {}

// Every image ends up as 8-bit blue, green, red, alpha.
void requestBgraTransforms(png_structp png, png_infop info, int bitDepth, int colorType)
{
    if (colorType == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) {
        png_set_gray_to_rgb(png);
        if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8)
            png_set_expand_gray_1_2_4_to_8(png);
    }
    if (png_get_valid(png, info, PNG_INFO_tRNS) != 0)
        png_set_tRNS_to_alpha(png);
    else
        png_set_filler(png, kOpaqueFiller, PNG_FILLER_AFTER);
    if (bitDepth == 16) {
        png_set_swap(png);
        png_set_strip_16(png);
    }
    png_set_bgr(png);
}

// libpng's error exit is a longjmp back into this frame: no object here or in the frames it
// crosses may have a destructor, and what changes after setjmp and is read after it is volatile.
PngDecodeResult readImage(png_structp png, png_infop info, PNGResourceStream* stream, PixelBufferTarget& target)
{
    std::uint8_t* volatile pixels = nullptr;
    volatile std::int32_t pixelCount = 0;
    if (setjmp(png_jmpbuf(png)) != 0) {
        if (pixels != nullptr)
            premultiplyPixels(pixels, pixelCount);
        return PngDecodeResult::corrupt;
    }
    png_set_read_fn(png, stream, PNGResourceStream::readCallback);
    png_read_info(png, info);

    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int bitDepth = 0;
    int colorType = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colorType, nullptr, nullptr, nullptr);
    if (!platform::imageFitsInBuffer(width, height))
        png_error(png, "image too large");

    const auto columns = static_cast<std::int32_t>(width);
    const auto rows = static_cast<std::int32_t>(height);
    std::uint8_t* buffer = target.createPixelBuffer(columns, rows);
    if (buffer == nullptr)
        return PngDecodeResult::noPixelBuffer;
    pixels = buffer;
    pixelCount = columns * rows;

    requestBgraTransforms(png, info, bitDepth, colorType);
    // Interlaced images are assembled in place over all passes.
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const png_size_t stride = static_cast<png_size_t>(columns) * kBytesPerPixel;
    if (png_get_rowbytes(png, info) != stride)
        png_error(png, "unexpected row size");

    // Image row 0 is the top, the buffer's first row the bottom.
    for (int pass = 0; pass < passes; ++pass) {
        for (std::int32_t row = 0; row < rows; ++row) {
            png_bytep destination = buffer + static_cast<png_size_t>(rows - 1 - row) * stride;
            png_read_rows(png, &destination, nullptr, 1);
        }
    }
    png_read_end(png, nullptr);
    premultiplyPixels(buffer, pixelCount);
    return PngDecodeResult::decoded;
}
} // namespace

PngDecodeResult decodePng(const std::uint8_t* data, std::int32_t size, PixelBufferTarget& target)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, abandonDecoding, ignoreWarning);
    if (png == nullptr)
        return PngDecodeResult::noDecoder;
    png_infop info = png_create_info_struct(png);
    PngDecodeResult result = PngDecodeResult::noDecoder;
    if (info != nullptr) {
        PNGResourceStream stream{data, 0, size < 0 ? 0 : size};
        result = readImage(png, info, &stream, target);
    }
    png_destroy_read_struct(&png, info != nullptr ? &info : nullptr, nullptr);
    return result;
}

void premultiplyPixels(std::uint8_t* pixels, std::int32_t pixelCount)
{
    for (std::int32_t i = 0; i < pixelCount; ++i) {
        std::uint8_t* pixel = pixels + static_cast<std::size_t>(i) * kBytesPerPixel;
        const unsigned alpha = pixel[3];
        if (alpha == 0) {
            pixel[0] = pixel[1] = pixel[2] = 0;
            continue;
        }
        for (int channel = 0; channel < 3; ++channel)
            pixel[channel] = static_cast<std::uint8_t>((pixel[channel] * alpha) >> 8);
    }
}

} // namespace VSTGUI
