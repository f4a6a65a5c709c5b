// The state rules of the draw context, observed through the calls that reach the platform:
// initial state, change detection, offsets, clip bookkeeping, font table and shape geometry.
#include "CDrawContext.h"
#include "CFrame.h"
#include "FakePlatform.h"
#include "MouseButtons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace VSTGUI;

namespace {
using Calls = std::vector<std::string>;

class DrawContextState : public ::testing::Test {
protected:
    // The fixture's context, with the calls of its construction cleared.
    CDrawContext& context()
    {
        fake::calls.clear();
        return *drawContext;
    }

    CFrame frame{CRect(0, 0, 351, 256), nullptr};
    std::unique_ptr<CDrawContext, void (*)(CDrawContext*)> drawContext{
        (fake::reset(), new CDrawContext(&frame, nullptr, nullptr)), [](CDrawContext* c) { c->forget(); }};
};
} // namespace

TEST_F(DrawContextState, NewContextStateAndTheCallsThatMadeIt)
{
    const Calls expected = {"pen solid 0 ffffff", "pen solid 0 ffffff", "pen solid 1 ffffff",
                            "textBackground 000000", "brush 000000", "textColor ffffff",
                            "font Arial 12 bold", "rop copy"};
    EXPECT_EQ(fake::calls, expected);
    CDrawContext& c = context();
    EXPECT_EQ(c.getLineWidth(), 1);
    EXPECT_EQ(c.getLineStyle(), kLineStyleSolid);
    EXPECT_EQ(c.getFrameColor(), kWhiteCColor);
    EXPECT_EQ(c.getFillColor(), kBlackCColor);
    EXPECT_EQ(c.getFontColor(), kWhiteCColor);
    EXPECT_EQ(c.getFont(), kFontSystem);
    EXPECT_EQ(c.getFontSize(), 12);
    EXPECT_EQ(c.getDrawMode(), kDrawModeCopy);
    CRect clip;
    EXPECT_EQ(c.getClipRect(clip), CRect(0, 0, 351, 256));
}

TEST_F(DrawContextState, ContextWithoutFrameClipsToAThousandSquare)
{
    CDrawContext* frameless = new CDrawContext(nullptr, nullptr, nullptr);
    CRect clip;
    EXPECT_EQ(frameless->getClipRect(clip), CRect(0, 0, 1000, 1000));
    frameless->forget();
}

TEST_F(DrawContextState, ScreenOffsetIsTheWindowOrigin)
{
    fake::input.windowOrigin = CPoint(300, 200);
    int window = 0;
    CDrawContext* onWindow = new CDrawContext(&frame, nullptr, &window);
    EXPECT_EQ(onWindow->offsetScreen, CPoint(300, 200));
    fake::input.cursor = CPoint(310, 250);
    onWindow->offset = CPoint(5, 5); // the device offset is not subtracted
    CPoint where;
    onWindow->getMouseLocation(where);
    EXPECT_EQ(where, CPoint(10, 50));
    onWindow->forget();
}

TEST_F(DrawContextState, UnchangedValuesDoNotReachThePlatform)
{
    CDrawContext& c = context();
    c.setFrameColor(kWhiteCColor);
    c.setLineWidth(1);
    c.setLineStyle(kLineStyleSolid);
    c.setFillColor(kBlackCColor);
    c.setDrawMode(kDrawModeCopy);
    c.setFont(kFontSystem, 12, 0);
    EXPECT_TRUE(fake::calls.empty());
}

TEST_F(DrawContextState, FontColourIsAlwaysSet)
{
    context().setFontColor(kWhiteCColor);
    EXPECT_EQ(fake::calls, Calls{"textColor ffffff"});
}

TEST_F(DrawContextState, FillColourDifferingOnlyInAlphaReplacesTheBrush)
{
    context().setFillColor(CColor{0, 0, 0, 0});
    EXPECT_EQ(fake::calls, (Calls{"textBackground 000000", "brush 000000"}));
}

TEST_F(DrawContextState, EachPenPropertyRecreatesThePen)
{
    CDrawContext& c = context();
    c.setLineStyle(kLineStyleDotted);
    c.setLineWidth(3);
    c.setFrameColor(kRedCColor);
    c.setLineStyle(static_cast<CLineStyle>(7));
    EXPECT_EQ(fake::calls, (Calls{"pen dotted 1 ffffff", "pen dotted 3 ffffff", "pen dotted 3 0000ff",
                                  "pen solid 3 0000ff"}));
}

TEST_F(DrawContextState, DrawModesSelectTheirRasterOperation)
{
    CDrawContext& c = context();
    c.setDrawMode(kDrawModeOr);
    c.setDrawMode(kDrawModeXor);
    c.setDrawMode(static_cast<CDrawMode>(5));
    EXPECT_EQ(fake::calls, (Calls{"rop merge", "rop notXor", "rop copy"}));
}

TEST_F(DrawContextState, FontSelectionRules)
{
    CDrawContext& c = context();
    c.setFont(static_cast<CFont>(9), 0, 0); // same as the initial font: nothing
    c.setFont(kFontMedium, 0, kTextItalic);
    c.setFont(kFontSystem, 20, 0);
    c.setFont(kFontSymbol, 0, kTextUnderline);
    c.setFont(kFontLarge, 14, 0);
    c.setFont(kFontLarge, 0, 0); // standard size equals the explicit one: nothing
    EXPECT_EQ(fake::calls, (Calls{"font Arial 12 italic", "font Arial 20 bold", "font Symbol 13 underline decorative",
                                  "font Arial 14"}));
    EXPECT_EQ(c.getFont(), kFontLarge);
}

TEST_F(DrawContextState, OffsetAppliesToEveryCoordinate)
{
    CDrawContext& c = context();
    c.offset = CPoint(100, 10);
    c.moveTo(CPoint(1, 2));
    c.lineTo(CPoint(3, 4));
    c.drawPoint(CPoint(0, 0), kRedCColor);
    EXPECT_EQ(c.getPoint(CPoint(1, 1)).alpha, 255);
    c.floodFill(CPoint(2, 2));
    EXPECT_EQ(fake::calls, (Calls{"moveTo 101,12", "lineTo 103,14", "setPixel 100,10 0000ff", "getPixel 101,11",
                                  "floodFill 102,12"}));
}

TEST_F(DrawContextState, RectangleFillAndOutlineCoverTheirStatedPixels)
{
    CDrawContext& c = context();
    c.drawRect(CRect(0, 0, 10, 10), kDrawStyleFilledStroked);
    c.fillRect(CRect(0, 0, 10, 10));
    c.drawRect(CRect(0, 0, 10, 10), static_cast<CDrawStyle>(3));
    EXPECT_EQ(fake::calls, (Calls{"fillRect 0,0,10,10", "moveTo 0,0", "lineTo 9,0", "lineTo 9,9", "lineTo 0,9",
                                  "lineTo 0,0", "fillRect 1,1,10,10"}));
}

TEST_F(DrawContextState, EllipsesAndArcsUseTheirBoxes)
{
    CDrawContext& c = context();
    c.offset = CPoint(1, 1);
    c.drawEllipse(CRect(0, 0, 11, 10));
    c.fillEllipse(CRect(0, 0, 10, 10));
    c.drawArc(CRect(0, 0, 10, 10), CPoint(10, 5), CPoint(5, 0));
    c.fillArc(CRect(0, 0, 10, 10), CPoint(10, 5), CPoint(5, 0));
    EXPECT_EQ(fake::calls, (Calls{"arc 1,1,13,12 6,1 6,1", "fillEllipse 2,2,12,12", "arc 1,1,12,12 11,6 6,1",
                                  "pie 2,2,11,11 11,6 6,1"}));
}

// In single precision cos(90 degrees) is slightly below zero, so the top point truncates to 49.
TEST_F(DrawContextState, ArcByAnglesComputesItsRayPoints)
{
    CDrawContext& c = context();
    c.drawArc(CRect(0, 0, 100, 100), 0.0f, 90.0f, kDrawStyleFilledStroked);
    c.drawArc(CRect(0, 0, 100, 100), 90.0f, 0.0f, static_cast<CDrawStyle>(3));
    EXPECT_EQ(fake::calls, (Calls{"pie 0,0,101,101 100,50 49,0", "arc 0,0,101,101 100,50 49,0"}));
}

TEST_F(DrawContextState, TextAlignmentAndTheLeftColumn)
{
    CDrawContext& c = context();
    c.drawString("a&b", CRect(0, 0, 100, 20), 0, kAlignLeft);
    c.drawString("a", CRect(0, 0, 100, 20), 1, kAlignRight);
    c.drawString("a", CRect(0, 0, 100, 20), 0, kAlignCenter);
    c.drawString("a", CRect(0, 0, 100, 20), 0, static_cast<CHoriTxtAlign>(9));
    c.drawString(nullptr, CRect(0, 0, 100, 20));
    EXPECT_EQ(fake::calls, (Calls{"text \"a&b\" 1,0,100,20 left", "text \"a\" 0,0,100,20 right opaque",
                                  "text \"a\" 0,0,100,20 center", "text \"a\" 1,0,100,20 left"}));
}

TEST_F(DrawContextState, LinesAndPolygons)
{
    CDrawContext& c = context();
    const CPoint points[] = {CPoint(0, 0), CPoint(5, 0), CPoint(0, 5), CPoint(5, 5)};
    c.drawLines(points, 2);
    c.drawPolygon(points, 3, kDrawStyleFilledStroked);
    c.polyLine(points, 0);
    EXPECT_EQ(fake::calls, (Calls{"moveTo 0,0", "lineTo 5,0", "moveTo 0,5", "lineTo 5,5", "fillPolygon 0,0 5,0 0,5",
                                  "polyline 0,0 5,0 0,5"}));
}

TEST_F(DrawContextState, LongPolylinesKeepEveryPoint)
{
    std::vector<CPoint> points;
    for (int i = 0; i < 45; ++i)
        points.emplace_back(i, i * 2);
    CDrawContext& c = context();
    c.offset = CPoint(1, 0);
    c.polyLine(points.data(), static_cast<std::int32_t>(points.size()));
    ASSERT_EQ(fake::calls.size(), 1u);
    EXPECT_NE(fake::calls[0].find(" 45,88"), std::string::npos);
}

TEST_F(DrawContextState, ClipIsKeptInDeviceCoordinatesAndSetOnlyOnChange)
{
    CDrawContext& c = context();
    c.offset = CPoint(10, 20);
    c.setClipRect(CRect(0, 0, 5, 5));
    c.setClipRect(CRect(0, 0, 5, 5));
    CRect clip;
    EXPECT_EQ(c.getClipRect(clip), CRect(10, 20, 15, 25));
    c.resetClipRect();
    EXPECT_EQ(c.getClipRect(clip), CRect(10, 20, 361, 276));
    c.resetClipRect();
    EXPECT_EQ(fake::calls, (Calls{"clip 10,20,15,25", "clip 10,20,361,276"}));
}

TEST_F(DrawContextState, MouseButtonsFollowTheSwapSetting)
{
    CDrawContext& c = context();
    fake::input.keysDown[static_cast<int>(platform::InputKey::physicalLeftButton)] = true;
    fake::input.keysDown[static_cast<int>(platform::InputKey::shift)] = true;
    fake::input.keysDown[static_cast<int>(platform::InputKey::alt)] = true;
    EXPECT_EQ(c.getMouseButtons(), kMouseLeft | kKeyShift | kKeyAlt);
    gSwapMouseButtons = true;
    EXPECT_EQ(c.getMouseButtons(), kMouseRight | kKeyShift | kKeyAlt);
    gSwapMouseButtons = false;
}

TEST_F(DrawContextState, DoubleClickWaitEndsAtOnceWhenTheTimeHasPassed)
{
    fake::input.messageTime = 1000;
    fake::input.tickCount = 1500;
    fake::input.pressArrivesAt = 1;
    EXPECT_FALSE(context().waitDoubleClick());
}

TEST_F(DrawContextState, DoubleClickWaitTakesASecondPressInTime)
{
    fake::input.messageTime = 1000;
    fake::input.tickCount = 1100;
    fake::input.pressArrivesAt = 1200;
    EXPECT_TRUE(context().waitDoubleClick());
}

TEST_F(DrawContextState, DoubleClickWaitGivesUpWhenTheCursorLeavesTheBox)
{
    for (const CPoint& moved : {CPoint(52, 50), CPoint(50, 52), CPoint(47, 50), CPoint(50, 47)}) {
        fake::input.cursorPath = {CPoint(50, 50), moved};
        fake::input.cursorReads = 0;
        fake::input.messageTime = 1000;
        fake::input.tickCount = 1100;
        fake::input.pressArrivesAt = 1;
        EXPECT_FALSE(context().waitDoubleClick()) << moved.x << "," << moved.y;
    }
}

TEST_F(DrawContextState, DoubleClickWaitToleratesSmallMoves)
{
    fake::input.cursorPath = {CPoint(50, 50), CPoint(48, 51)};
    fake::input.messageTime = 1000;
    fake::input.tickCount = 1100;
    fake::input.pressArrivesAt = 1150;
    EXPECT_TRUE(context().waitDoubleClick());
}

TEST_F(DrawContextState, DragStartsWhenTheCursorLeavesTheBoxWithTheButtonDown)
{
    fake::input.keysDown[static_cast<int>(platform::InputKey::physicalLeftButton)] = true;
    fake::input.cursorPath = {CPoint(50, 50), CPoint(51, 51), CPoint(53, 50)};
    EXPECT_TRUE(context().waitDrag());
    fake::input.keysDown[static_cast<int>(platform::InputKey::physicalLeftButton)] = false;
    EXPECT_FALSE(context().waitDrag());
}
