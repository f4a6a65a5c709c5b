// Rectangles, colours and font identifiers.
#include "CColor.h"
#include "CFont.h"
#include "CRect.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace VSTGUI;

TEST(RectContainment, LeftAndTopEdgesAreInsideRightAndBottomAreNot)
{
    const CRect rect(10, 20, 30, 40);
    EXPECT_TRUE(rect.pointInside(CPoint(10, 20)));
    EXPECT_TRUE(rect.pointInside(CPoint(29, 39)));
    EXPECT_FALSE(rect.pointInside(CPoint(30, 25)));
    EXPECT_FALSE(rect.pointInside(CPoint(15, 40)));
    EXPECT_FALSE(rect.pointInside(CPoint(9, 25)));
}

TEST(RectContainment, ZeroWidthAndInvertedRectanglesAreEmptyAndContainNothing)
{
    EXPECT_TRUE(CRect(5, 5, 5, 10).isEmpty());
    EXPECT_TRUE(CRect(10, 5, 4, 10).isEmpty());
    EXPECT_TRUE(CRect(0, 10, 10, 9).isEmpty());
    EXPECT_FALSE(CRect(0, 0, 1, 1).isEmpty());
    EXPECT_FALSE(CRect(10, 5, 4, 10).pointInside(CPoint(6, 6)));
}

TEST(RectBound, DisjointRectanglesGiveAnEmptyRectangleAtTheClipCorner)
{
    CRect rect(10, 10, 20, 20);
    rect.bound(CRect(30, 30, 40, 40));
    EXPECT_EQ(rect, CRect(30, 30, 30, 30));
}

TEST(RectBound, OverlapKeepsTheCommonPart)
{
    CRect rect(0, 0, 100, 50);
    rect.bound(CRect(10, -5, 60, 40));
    EXPECT_EQ(rect, CRect(10, 0, 60, 40));
}

TEST(Colors, TransparentAndWhiteDifferButShareThePlatformColour)
{
    EXPECT_NE(kTransparentCColor, kWhiteCColor);
    EXPECT_EQ(colorToPlatform(kTransparentCColor), colorToPlatform(kWhiteCColor));
    EXPECT_EQ(colorToPlatform(kWhiteCColor), 0x00FFFFFFu);
}

TEST(Colors, RedTravelsAsOneWordWithRedInTheLowByte)
{
    EXPECT_EQ(colorToWord(kRedCColor), 0xFF0000FFu);
    EXPECT_EQ(colorToPlatform(kRedCColor), 0x000000FFu);
    std::uint32_t memoryWord = 0;
    std::memcpy(&memoryWord, &kBlueCColor, sizeof(memoryWord));
    EXPECT_EQ(memoryWord, colorToWord(kBlueCColor)); // holds on little-endian targets
}

TEST(Colors, PlatformColoursComeBackOpaque)
{
    const CColor color = colorFromPlatform(0x00336699u);
    EXPECT_EQ(color, (CColor{0x99, 0x66, 0x33, 255}));
}

TEST(Colors, GreyIs127AndEqualityIncludesAlpha)
{
    EXPECT_EQ(kGreyCColor, (CColor{127, 127, 127, 255}));
    EXPECT_NE((CColor{0, 0, 0, 0}), kBlackCColor);
}

TEST(Fonts, IdentifiersOutsideTheTableSelectTheSystemFont)
{
    EXPECT_EQ(validFontId(9), kFontSystem);
    EXPECT_EQ(validFontId(-1), kFontSystem);
    EXPECT_EQ(validFontId(kFontSymbol), kFontSymbol);
    EXPECT_STREQ(gStandardFontName[kFontSymbol], "Symbol");
    EXPECT_EQ(gStandardFontSize[kFontLarger], 18);
}
