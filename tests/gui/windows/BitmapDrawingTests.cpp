// Bitmaps drawn on offscreen surfaces: alpha blending of PNG pixels, constant alpha, strip
// frames by source offset, and colour-key transparency with and without TransparentBlt or a mask.
#include "CBitmap.h"
#include "COffscreenContext.h"
#include "TestImageIds.h"
#include "TestWindow.h"
#include "platform/win32/ImageLibrary.h"

using namespace VSTGUI;

namespace {
class BitmapDrawing : public TestWindow {
protected:
    // A plain (no-alpha) bitmap of three 10 x 10 frames side by side: red, green, blue.
    void paintStrip(CBitmap& strip)
    {
        Held<CDrawContext> context(newClearedContext());
        COffscreenContext painter(context.get(), &strip, true);
        const CColor colours[] = {kRedCColor, kGreenCColor, kBlueCColor};
        for (int i = 0; i < 3; ++i) {
            painter.setFillColor(colours[i]);
            painter.drawRect(CRect(i * 10, 0, i * 10 + 10, 10), kDrawStyleFilled);
        }
    }

    // A plain bitmap, white (the key) with a red square at 3..7.
    void paintKeyed(CBitmap& keyed)
    {
        Held<CDrawContext> context(newClearedContext());
        COffscreenContext painter(context.get(), &keyed, true);
        painter.setFillColor(kWhiteCColor);
        painter.drawRect(CRect(0, 0, 10, 10), kDrawStyleFilled);
        painter.setFillColor(kRedCColor);
        painter.drawRect(CRect(3, 3, 7, 7), kDrawStyleFilled);
    }

    void expectKeyedOnBlue(COffscreenContext& target)
    {
        EXPECT_EQ(target.getPoint(CPoint(0, 0)), kBlueCColor);
        EXPECT_EQ(target.getPoint(CPoint(9, 9)), kBlueCColor);
        EXPECT_EQ(target.getPoint(CPoint(5, 5)), kRedCColor);
    }
};
} // namespace

TEST_F(BitmapDrawing, PngPixelsBlendOntoTheTargetUpright)
{
    COffscreenContext target(frame.get(), 10, 10, kBlackCColor);
    CBitmap image(ID_RGBA8);
    CRect destination(0, 0, 3, 2);
    image.draw(&target, destination);
    EXPECT_EQ(target.getPoint(CPoint(0, 0)), (CColor{254, 254, 254, 255}));
    EXPECT_EQ(target.getPoint(CPoint(2, 0)), (CColor{100, 50, 25, 255}));
    EXPECT_EQ(target.getPoint(CPoint(2, 1)), (CColor{9, 199, 29, 255})); // (10, 200, 30) premultiplied
}

TEST_F(BitmapDrawing, TransparentPixelsLeaveTheTargetAndDrawTransparentEqualsDraw)
{
    COffscreenContext target(frame.get(), 10, 10, kBlueCColor);
    CBitmap image(ID_RGBA8);
    CRect destination(0, 0, 3, 2);
    image.drawTransparent(&target, destination);
    EXPECT_EQ(target.getPoint(CPoint(1, 0)), kBlueCColor);
    EXPECT_EQ(target.getPoint(CPoint(0, 0)), (CColor{254, 254, 254, 255}));
}

TEST_F(BitmapDrawing, ConstantAlphaScalesTheWholeImage)
{
    COffscreenContext target(frame.get(), 10, 10, kBlackCColor);
    CBitmap image(ID_RGB8);
    CRect destination(0, 0, 4, 3);
    image.drawAlphaBlend(&target, destination, CPoint(0, 0), 128);
    const CColor red = target.getPoint(CPoint(0, 0));
    EXPECT_NEAR(red.red, 127, 2);
    EXPECT_EQ(red.green, 0);

    CBitmap strip(*frame, 30, 10);
    paintStrip(strip);
    CRect plain(5, 5, 10, 10);
    strip.drawAlphaBlend(&target, plain, CPoint(0, 0), 128);
    EXPECT_NEAR(target.getPoint(CPoint(6, 6)).red, 128, 2);
}

TEST_F(BitmapDrawing, SourceOffsetPicksAFrameOfAStrip)
{
    CBitmap strip(*frame, 30, 10);
    paintStrip(strip);
    COffscreenContext target(frame.get(), 10, 10, kBlackCColor);
    CRect destination(0, 0, 10, 10);
    strip.draw(&target, destination, CPoint(10, 0));
    EXPECT_EQ(countPixels(target, destination, kGreenCColor), 100);
    strip.draw(&target, destination, CPoint(20, 0));
    EXPECT_EQ(countPixels(target, destination, kBlueCColor), 100);
}

TEST_F(BitmapDrawing, ColourKeyWithTransparentBlt)
{
    ASSERT_NE(pfnTransparentBlt, nullptr);
    CBitmap keyed(*frame, 10, 10);
    paintKeyed(keyed);
    COffscreenContext target(frame.get(), 10, 10, kBlueCColor);
    CRect destination(0, 0, 10, 10);
    keyed.drawTransparent(&target, destination);
    expectKeyedOnBlue(target);
}

TEST_F(BitmapDrawing, ColourKeyWithoutTransparentBltBuildsItsOwnMask)
{
    CBitmap keyed(*frame, 10, 10);
    paintKeyed(keyed);
    COffscreenContext target(frame.get(), 10, 10, kBlueCColor);
    CRect destination(0, 0, 10, 10);
    const TransparentBltProc saved = pfnTransparentBlt;
    pfnTransparentBlt = nullptr;
    keyed.drawTransparent(&target, destination);
    pfnTransparentBlt = saved;
    expectKeyedOnBlue(target);
}

TEST_F(BitmapDrawing, AMaskOverridesTheTransparentColour)
{
    CBitmap keyed(*frame, 10, 10);
    paintKeyed(keyed);
    Held<CDrawContext> context(newClearedContext());
    COffscreenContext showing(context.get(), &keyed, false);
    keyed.setTransparencyMask(&showing, CPoint(0, 0));
    keyed.setTransparentColor(kRedCColor);

    COffscreenContext target(frame.get(), 10, 10, kBlueCColor);
    CRect destination(0, 0, 10, 10);
    keyed.drawTransparent(&target, destination);
    expectKeyedOnBlue(target);
}

TEST_F(BitmapDrawing, BitmapWithoutImageDrawsNothing)
{
    COffscreenContext target(frame.get(), 10, 10, kBlueCColor);
    CBitmap empty;
    CRect destination(0, 0, 10, 10);
    empty.draw(&target, destination);
    empty.drawTransparent(&target, destination);
    EXPECT_EQ(countPixels(target, destination, kBlueCColor), 100);
}
