// PNG resources decoded into the bitmap's own pixel buffer (a bottom-up DIB section), as the
// plug-in loads its panel images, including damaged resources.
#include "CBitmap.h"
#include "TestImageIds.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <vector>

using namespace VSTGUI;

namespace {
// The bitmap's bytes in memory order: the bottom row of the image first.
std::vector<std::uint8_t> pixelBytes(const CBitmap& bitmap)
{
    DIBSECTION section = {};
    if (GetObjectA(static_cast<HBITMAP>(bitmap.getHandle()), sizeof(section), &section) != sizeof(section))
        return {};
    const auto* bits = static_cast<const std::uint8_t*>(section.dsBm.bmBits);
    return std::vector<std::uint8_t>(bits, bits + bitmap.getWidth() * bitmap.getHeight() * 4);
}

// Blue, green, red, alpha of image pixel (x, y), y counted from the top.
std::vector<int> pixelAt(const CBitmap& bitmap, int x, int y)
{
    const std::vector<std::uint8_t> bytes = pixelBytes(bitmap);
    const std::size_t i = (static_cast<std::size_t>(bitmap.getHeight() - 1 - y) * bitmap.getWidth() + x) * 4;
    return {bytes[i], bytes[i + 1], bytes[i + 2], bytes[i + 3]};
}

bool allZero(const std::vector<std::uint8_t>& bytes)
{
    for (std::uint8_t byte : bytes) {
        if (byte != 0)
            return false;
    }
    return true;
}
} // namespace

TEST(BitmapResources, PanelImagesLoadWithTheirSizes)
{
    const struct {
        int id, width, height;
    } panel[] = {{100, 351, 256}, {101, 50, 50}, {102, 5, 5}};
    for (const auto& image : panel) {
        CBitmap bitmap(image.id);
        EXPECT_TRUE(bitmap.isLoaded()) << image.id;
        EXPECT_FALSE(bitmap.getNoAlpha()) << image.id;
        EXPECT_EQ(bitmap.getWidth(), image.width) << image.id;
        EXPECT_EQ(bitmap.getHeight(), image.height) << image.id;
    }
}

TEST(BitmapResources, PixelsArePremultipliedAndUpright)
{
    CBitmap bitmap(ID_RGBA8);
    ASSERT_TRUE(bitmap.isLoaded());
    EXPECT_EQ(pixelAt(bitmap, 0, 0), (std::vector<int>{254, 254, 254, 255}));
    EXPECT_EQ(pixelAt(bitmap, 1, 0), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(pixelAt(bitmap, 2, 0), (std::vector<int>{25, 50, 100, 128}));
    EXPECT_EQ(pixelAt(bitmap, 0, 1), (std::vector<int>{0, 0, 0, 255}));
}

TEST(BitmapResources, PaletteAndSixteenBitResourcesGiveTheSamePixelsAsRgb)
{
    const CBitmap rgb(ID_RGB8);
    const std::vector<std::uint8_t> expected = pixelBytes(rgb);
    ASSERT_EQ(expected.size(), 4u * 3u * 4u);
    EXPECT_EQ(pixelBytes(CBitmap(ID_PALETTE8)), expected);
    EXPECT_EQ(pixelBytes(CBitmap(ID_RGB16)), expected);
}

TEST(BitmapResources, MissingResourceLoadsNothing)
{
    CBitmap bitmap;
    EXPECT_FALSE(bitmap.loadFromResource(999));
    EXPECT_FALSE(bitmap.isLoaded());
    EXPECT_EQ(bitmap.getWidth(), 0);
}

TEST(BitmapResources, DamagedResourcesLoadWithoutLeftoverPixels)
{
    CBitmap broken;
    EXPECT_TRUE(broken.loadFromResource(ID_BROKEN_DEFLATE));
    ASSERT_TRUE(broken.isLoaded());
    EXPECT_EQ(pixelAt(broken, 3, 0), (std::vector<int>{0, 254, 0, 255}));
    EXPECT_EQ(pixelAt(broken, 3, 15), (std::vector<int>{0, 0, 0, 0}));

    CBitmap truncated;
    EXPECT_TRUE(truncated.loadFromResource(ID_TRUNCATED));
    ASSERT_TRUE(truncated.isLoaded());
    EXPECT_TRUE(allZero(pixelBytes(truncated)));

    CBitmap notPng;
    EXPECT_TRUE(notPng.loadFromResource(ID_NOT_A_PNG));
    EXPECT_FALSE(notPng.isLoaded());
    EXPECT_FALSE(notPng.getNoAlpha());
}
