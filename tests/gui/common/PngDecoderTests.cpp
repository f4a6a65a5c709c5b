// PNG decoding into premultiplied, bottom-up blue-green-red-alpha pixels, from files made for
// the tests (tests/gui/data/make_test_pngs.py), and damaged data that must fail safely.
#include "PngDecoder.h"
#include "TestData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

using namespace VSTGUI;

namespace {
using Pixel = std::array<int, 4>; // blue, green, red, alpha as stored

class VectorTarget final : public PixelBufferTarget {
public:
    std::uint8_t* createPixelBuffer(std::int32_t w, std::int32_t h) override
    {
        width = w;
        height = h;
        pixels.assign(static_cast<std::size_t>(w) * h * 4, 0);
        return pixels.data();
    }
    // Row 0 is the top of the image.
    Pixel at(int x, int y) const
    {
        const std::size_t i = (static_cast<std::size_t>(height - 1 - y) * width + x) * 4;
        return {pixels[i], pixels[i + 1], pixels[i + 2], pixels[i + 3]};
    }

    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint8_t> pixels;
};

VectorTarget decodeFile(const char* name, PngDecodeResult expected = PngDecodeResult::decoded)
{
    const std::vector<std::uint8_t> bytes = readTestFile(name);
    EXPECT_FALSE(bytes.empty()) << name;
    VectorTarget target;
    EXPECT_EQ(decodePng(bytes.data(), static_cast<std::int32_t>(bytes.size()), target), expected) << name;
    return target;
}

// Premultiplied pixels never have a colour byte above their alpha.
bool allPremultiplied(const VectorTarget& target)
{
    for (std::size_t i = 0; i < target.pixels.size(); i += 4) {
        for (int c = 0; c < 3; ++c) {
            if (target.pixels[i + c] > target.pixels[i + 3])
                return false;
        }
    }
    return true;
}
} // namespace

TEST(PngPremultiplication, EdgeCasesOfAlpha)
{
    const VectorTarget image = decodeFile("rgba8.png");
    ASSERT_EQ(image.width, 3);
    ASSERT_EQ(image.height, 2);
    EXPECT_EQ(image.at(0, 0), (Pixel{254, 254, 254, 255})); // opaque white loses one step
    EXPECT_EQ(image.at(1, 0), (Pixel{0, 0, 0, 0})); // alpha 0 clears the colour
    EXPECT_EQ(image.at(2, 0), (Pixel{25, 50, 100, 128})); // (200, 100, 50, 128)
    EXPECT_EQ(image.at(1, 1), (Pixel{0, 0, 63, 64})); // 255 * 64 >> 8
}

TEST(PngRows, TheTopRowOfTheFileIsTheLastRowInMemory)
{
    const VectorTarget image = decodeFile("rgb8.png");
    ASSERT_EQ(image.height, 3);
    EXPECT_EQ(image.at(0, 0), (Pixel{0, 0, 254, 255}));
    const std::size_t lastRow = static_cast<std::size_t>(image.height - 1) * image.width * 4;
    EXPECT_EQ(image.pixels[lastRow + 2], 254) << "red belongs at the top, stored last";
}

TEST(PngFormats, OpaqueImagesGetAlpha255)
{
    const VectorTarget image = decodeFile("rgb8.png");
    for (std::size_t i = 3; i < image.pixels.size(); i += 4)
        EXPECT_EQ(image.pixels[i], 255);
}

TEST(PngFormats, PaletteAndSixteenBitImagesMatchTheRgbImage)
{
    const VectorTarget rgb = decodeFile("rgb8.png");
    EXPECT_EQ(decodeFile("palette8.png").pixels, rgb.pixels);
    EXPECT_EQ(decodeFile("rgb16.png").pixels, rgb.pixels);
}

TEST(PngFormats, TransparencyChunkMakesItsColourTransparent)
{
    const VectorTarget image = decodeFile("rgb8_trns.png");
    EXPECT_EQ(image.at(2, 1), (Pixel{0, 0, 0, 0})); // the colour (1, 2, 3)
    EXPECT_EQ(image.at(1, 1), (Pixel{49, 99, 199, 255})); // (200, 100, 50) stays opaque
}

TEST(PngFormats, LowBitDepthGreyIsScaledToEightBitsAndExpandedToRgb)
{
    // The brightest level of every depth is 255, stored as 254 once premultiplied.
    EXPECT_EQ(decodeFile("grey1.png").at(1, 0), (Pixel{254, 254, 254, 255}));
    EXPECT_EQ(decodeFile("grey2.png").at(0, 1), (Pixel{169, 169, 169, 255})); // level 2 of 3 = 170
    EXPECT_EQ(decodeFile("grey4.png").at(1, 0), (Pixel{84, 84, 84, 255})); // level 5 of 15 = 85
    EXPECT_EQ(decodeFile("grey8.png").at(1, 1), (Pixel{254, 254, 254, 255}));
    EXPECT_EQ(decodeFile("grey1.png").at(0, 0), (Pixel{0, 0, 0, 255}));
}

TEST(PngFormats, GreyWithAlphaKeepsItsAlpha)
{
    const VectorTarget image = decodeFile("grey_alpha8.png");
    EXPECT_EQ(image.at(0, 0), (Pixel{254, 254, 254, 255}));
    EXPECT_EQ(image.at(1, 0), (Pixel{0, 0, 0, 0}));
    EXPECT_EQ(image.at(0, 1), (Pixel{100, 100, 100, 128}));
}

TEST(PngDamage, EveryTruncationFailsWithoutReadingPastTheData)
{
    for (const char* name : {"rgba8.png", "palette8.png", "rgb16.png", "grey2.png"}) {
        const std::vector<std::uint8_t> whole = readTestFile(name);
        for (std::size_t length = 0; length < whole.size(); ++length) {
            // An exact-size heap copy, so a read past its end is caught by the sanitizer.
            const std::vector<std::uint8_t> part(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
            VectorTarget target;
            EXPECT_NE(decodePng(part.data(), static_cast<std::int32_t>(length), target), PngDecodeResult::decoded)
                << name << " cut at " << length;
            EXPECT_TRUE(allPremultiplied(target)) << name << " cut at " << length;
        }
    }
}

TEST(PngDamage, DataEndingInsideThePixelsLeavesThemTransparent)
{
    const VectorTarget image = decodeFile("truncated_rgba8.bin", PngDecodeResult::corrupt);
    ASSERT_EQ(image.width, 16);
    EXPECT_TRUE(std::all_of(image.pixels.begin(), image.pixels.end(), [](std::uint8_t byte) { return byte == 0; }));
}

TEST(PngDamage, RowsBeforeADecoderErrorAreKeptAndTheRestStaysTransparent)
{
    const VectorTarget image = decodeFile("broken_deflate_rgba8.bin", PngDecodeResult::corrupt);
    ASSERT_EQ(image.width, 16);
    EXPECT_EQ(image.at(5, 0), (Pixel{0, 254, 0, 255}));
    EXPECT_EQ(image.at(5, 15), (Pixel{0, 0, 0, 0}));
    EXPECT_TRUE(allPremultiplied(image));
}

TEST(PngDamage, DataThatIsNoPngCreatesNoPixels)
{
    const VectorTarget image = decodeFile("not_a_png.bin", PngDecodeResult::corrupt);
    EXPECT_TRUE(image.pixels.empty());
}

TEST(PngDamage, FlippedBytesNeverLeaveUnpremultipliedPixels)
{
    const std::vector<std::uint8_t> whole = readTestFile("rgba8.png");
    for (std::size_t i = 8; i < whole.size(); ++i) {
        std::vector<std::uint8_t> damaged = whole;
        damaged[i] ^= 0x5A;
        VectorTarget target;
        decodePng(damaged.data(), static_cast<std::int32_t>(damaged.size()), target);
        EXPECT_TRUE(allPremultiplied(target)) << "byte " << i;
    }
}
