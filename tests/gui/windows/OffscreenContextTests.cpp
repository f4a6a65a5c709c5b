// Offscreen contexts on memory surfaces: their initial picture, copies to and from a window,
// and drawing into a bitmap.
#include "CBitmap.h"
#include "COffscreenContext.h"
#include "TestWindow.h"

using namespace VSTGUI;

namespace {
using OffscreenContext = TestWindow;
}

TEST_F(OffscreenContext, BackgroundColourCoversEveryPixel)
{
    COffscreenContext offscreen(frame.get(), 10, 10, kRedCColor);
    EXPECT_EQ(countPixels(offscreen, CRect(0, 0, 10, 10), kRedCColor), 100);
}

TEST_F(OffscreenContext, CopyFromLandsAtTheTargetsOffset)
{
    Held<CDrawContext> context(newClearedContext());
    COffscreenContext offscreen(frame.get(), 20, 20, kRedCColor);
    context->offset = CPoint(100, 0);
    offscreen.copyFrom(context.get(), CRect(5, 5, 15, 15), CPoint(0, 0));
    context->offset = CPoint(0, 0);
    EXPECT_EQ(countPixels(*context, CRect(100, 0, 120, 20), kRedCColor), 100);
    EXPECT_EQ(context->getPoint(CPoint(105, 5)), kRedCColor);
    EXPECT_EQ(context->getPoint(CPoint(104, 5)), kBlackCColor);
}

TEST_F(OffscreenContext, CopyToTakesFromTheOtherContext)
{
    Held<CDrawContext> context(newClearedContext());
    context->setFillColor(kGreenCColor);
    context->drawRect(CRect(0, 0, 10, 10), kDrawStyleFilled);
    COffscreenContext offscreen(frame.get(), 40, 40, kBlackCColor);
    CRect source(0, 0, 10, 10);
    offscreen.copyTo(context.get(), source, CPoint(20, 20));
    EXPECT_EQ(countPixels(offscreen, CRect(0, 0, 40, 40), kGreenCColor), 100);
    EXPECT_EQ(offscreen.getPoint(CPoint(20, 20)), kGreenCColor);
    EXPECT_EQ(offscreen.getPoint(CPoint(19, 20)), kBlackCColor);
}

TEST_F(OffscreenContext, StartsAsACopyOfABitmapAndLeavesItUnchanged)
{
    Held<CDrawContext> context(newClearedContext());
    CBitmap knob(101);
    COffscreenContext copy(context.get(), &knob, false);
    EXPECT_EQ(copy.getWidth(), 50);
    EXPECT_EQ(copy.getHeight(), 50);
    CRect clip;
    EXPECT_EQ(copy.getClipRect(clip), CRect(0, 0, 50, 50));
    const CColor centre = copy.getPoint(CPoint(25, 25));
    EXPECT_GT(centre.red, 150) << "the yellow cap";

    copy.setFillColor(kBlueCColor);
    copy.drawRect(CRect(0, 0, 50, 50), kDrawStyleFilled);
    COffscreenContext again(context.get(), &knob, false);
    EXPECT_EQ(again.getPoint(CPoint(25, 25)), centre);
}

TEST_F(OffscreenContext, DrawingInABitmapChangesItsImage)
{
    Held<CDrawContext> context(newClearedContext());
    CBitmap canvas(*frame, 20, 20);
    {
        COffscreenContext inBitmap(context.get(), &canvas, true);
        inBitmap.setFrameColor(kRedCColor);
        inBitmap.moveTo(CPoint(0, 5));
        inBitmap.lineTo(CPoint(20, 5));
    }
    ASSERT_TRUE(canvas.isLoaded());
    CRect destination(0, 0, 20, 20);
    canvas.draw(context.get(), destination);
    EXPECT_EQ(context->getPoint(CPoint(10, 5)), kRedCColor);
}

TEST_F(OffscreenContext, WithoutBitmapItIsTwentySquareAndBlackInside)
{
    Held<CDrawContext> context(newClearedContext());
    COffscreenContext offscreen(context.get(), nullptr, false);
    EXPECT_EQ(offscreen.getWidth(), 20);
    EXPECT_EQ(countPixels(offscreen, CRect(1, 1, 20, 20), kBlackCColor), 19 * 19);
}

TEST_F(OffscreenContext, TheSystemContextIsItsMemoryDeviceContext)
{
    COffscreenContext offscreen(frame.get(), 10, 10, kBlackCColor);
    const HDC dc = static_cast<HDC>(offscreen.getSystemContext());
    ASSERT_NE(dc, nullptr);
    SetPixel(dc, 3, 4, RGB(0, 0xFF, 0));
    EXPECT_EQ(offscreen.getPoint(CPoint(3, 4)), kGreenCColor);
}
