// How offscreen contexts set themselves up and copy, observed through the platform calls.
#include "CBitmap.h"
#include "CFrame.h"
#include "COffscreenContext.h"
#include "FakePlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace VSTGUI;

namespace {
bool called(const std::string& call)
{
    return std::find(fake::calls.begin(), fake::calls.end(), call) != fake::calls.end();
}

class OffscreenState : public ::testing::Test {
protected:
    void SetUp() override { fake::reset(); }
    CFrame frame{CRect(0, 0, 351, 256), nullptr};
};
} // namespace

TEST_F(OffscreenState, BackgroundCoversEveryPixelIncludingTheBorder)
{
    COffscreenContext offscreen(&frame, 10, 10, kRedCColor);
    EXPECT_TRUE(called("offscreen 10x10"));
    EXPECT_TRUE(called("brush 0000ff"));
    EXPECT_TRUE(called("pen solid 1 0000ff"));
    EXPECT_TRUE(called("fillRect 1,1,10,10"));
    EXPECT_TRUE(called("lineTo 9,0"));
    EXPECT_TRUE(called("lineTo 0,0"));
    CRect clip;
    EXPECT_EQ(offscreen.getClipRect(clip), CRect(0, 0, 10, 10));
    EXPECT_EQ(offscreen.getFillColor(), kRedCColor);
}

TEST_F(OffscreenState, NegativeWidthOrdersTheClip)
{
    COffscreenContext offscreen(&frame, -5, 10, kBlackCColor);
    CRect clip;
    EXPECT_EQ(offscreen.getClipRect(clip), CRect(-5, 0, 0, 10));
}

TEST_F(OffscreenState, WithoutBitmapItIsTwentySquareAndBlackInside)
{
    CDrawContext* context = new CDrawContext(&frame, nullptr, nullptr);
    fake::calls.clear();
    COffscreenContext offscreen(context, nullptr, false);
    EXPECT_EQ(offscreen.getWidth(), 20);
    EXPECT_EQ(offscreen.getHeight(), 20);
    EXPECT_TRUE(called("offscreen 20x20"));
    EXPECT_TRUE(called("fillRect 1,1,20,20"));
    CRect clip;
    EXPECT_EQ(offscreen.getClipRect(clip), CRect(0, 0, 351, 256));
    context->forget();
}

TEST_F(OffscreenState, FromABitmapItTakesItsSizeAndStartsAsItsCopy)
{
    CDrawContext* context = new CDrawContext(&frame, nullptr, nullptr);
    CBitmap knob(101);
    fake::calls.clear();
    COffscreenContext copy(context, &knob, false);
    EXPECT_EQ(copy.getWidth(), 50);
    CRect clip;
    EXPECT_EQ(copy.getClipRect(clip), CRect(0, 0, 50, 50));
    EXPECT_TRUE(called("imageBlend 0,0,50,50 from 0,0 alpha 255 perPixel"));

    fake::calls.clear();
    COffscreenContext inBitmap(context, &knob, true);
    EXPECT_TRUE(called("imageSurface"));
    EXPECT_FALSE(called("imageBlend 0,0,50,50 from 0,0 alpha 255 perPixel"));
    context->forget();
}

TEST_F(OffscreenState, CopiesApplyOnlyTheOtherContextsOffset)
{
    CDrawContext* window = new CDrawContext(&frame, nullptr, nullptr);
    window->offset = CPoint(100, 0);
    COffscreenContext offscreen(&frame, 50, 50, kBlackCColor);
    offscreen.offset = CPoint(7, 7);
    fake::calls.clear();
    offscreen.copyFrom(window, CRect(5, 5, 15, 15), CPoint(0, 0));
    CRect source(0, 0, 10, 10);
    offscreen.copyTo(window, source, CPoint(20, 20));
    EXPECT_EQ(fake::calls, (std::vector<std::string>{"copy 105,5,115,15 from 0,0", "copy 20,20,30,30 from 100,0"}));
    window->forget();
}
