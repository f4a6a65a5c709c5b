// The draw context on a real window: what each primitive covers, read back pixel by pixel.
#include "TestWindow.h"

#include <string>
#include <vector>

using namespace VSTGUI;

namespace {
using WindowDrawContext = TestWindow;

bool columnHasInk(CDrawContext& context, std::int32_t x, std::int32_t top, std::int32_t bottom)
{
    for (std::int32_t y = top; y < bottom; ++y) {
        if (context.getPoint(CPoint(x, y)) != kBlackCColor)
            return true;
    }
    return false;
}

const CColor kDarkOrange = {0xF0, 0x0F, 0x00, 255};
const CColor kLime = {0x0F, 0xF0, 0x00, 255};
} // namespace

TEST_F(WindowDrawContext, NewContextStartsWithTheDocumentedState)
{
    Held<CDrawContext> context(new CDrawContext(frame.get(), nullptr, window));
    EXPECT_EQ(context->getLineWidth(), 1);
    EXPECT_EQ(context->getLineStyle(), kLineStyleSolid);
    EXPECT_EQ(context->getFrameColor(), kWhiteCColor);
    EXPECT_EQ(context->getFillColor(), kBlackCColor);
    EXPECT_EQ(context->getFontColor(), kWhiteCColor);
    EXPECT_EQ(context->getFont(), kFontSystem);
    EXPECT_EQ(context->getFontSize(), 12);
    EXPECT_EQ(context->getFontStyle(), 0);
    EXPECT_EQ(context->getDrawMode(), kDrawModeCopy);
    CRect clip;
    EXPECT_EQ(context->getClipRect(clip), CRect(0, 0, kWidth, kHeight));
    EXPECT_EQ(context->offsetScreen, CPoint(40, 30));
}

TEST_F(WindowDrawContext, StrokedRectTouchesOnlyItsEdgeRowsAndColumns)
{
    Held<CDrawContext> context(newClearedContext());
    context->setFrameColor(kRedCColor);
    context->drawRect(CRect(0, 0, 10, 10), kDrawStyleStroked);
    for (const CPoint& corner : {CPoint(0, 0), CPoint(9, 0), CPoint(9, 9), CPoint(0, 9)})
        EXPECT_EQ(context->getPoint(corner), kRedCColor) << corner.x << "," << corner.y;
    EXPECT_EQ(countPixels(*context, CRect(0, 0, 12, 12), kRedCColor), 36);
    EXPECT_EQ(context->getPoint(CPoint(5, 5)), kBlackCColor);
}

TEST_F(WindowDrawContext, FillRectLeavesTheTopRowAndLeftColumn)
{
    Held<CDrawContext> context(newClearedContext());
    context->setFillColor(kRedCColor);
    context->fillRect(CRect(0, 0, 10, 10));
    EXPECT_EQ(countPixels(*context, CRect(0, 0, 12, 12), kRedCColor), 81);
    EXPECT_EQ(context->getPoint(CPoint(0, 5)), kBlackCColor);
    EXPECT_EQ(context->getPoint(CPoint(5, 0)), kBlackCColor);
    EXPECT_EQ(context->getPoint(CPoint(9, 9)), kRedCColor);
}

TEST_F(WindowDrawContext, FilledDrawRectCoversTheWholeBox)
{
    Held<CDrawContext> context(newClearedContext());
    context->setFillColor(kRedCColor);
    context->drawRect(CRect(0, 0, 10, 10), kDrawStyleFilled);
    EXPECT_EQ(countPixels(*context, CRect(0, 0, 12, 12), kRedCColor), 100);
}

TEST_F(WindowDrawContext, LeftAlignedTextStartsAtColumnOneAndRightAlignedEndsAtTheLastColumn)
{
    Held<CDrawContext> context(newClearedContext());
    context->setFillColor(kRedCColor);
    context->drawString("MMMM", CRect(0, 0, 100, 20), 1, kAlignLeft);
    EXPECT_FALSE(columnHasInk(*context, 0, 0, 20));
    EXPECT_TRUE(columnHasInk(*context, 1, 0, 20));

    context->drawString("MMMM", CRect(0, 40, 100, 60), 1, kAlignRight);
    EXPECT_TRUE(columnHasInk(*context, 99, 40, 60));
    EXPECT_FALSE(columnHasInk(*context, 100, 40, 60));
}

TEST_F(WindowDrawContext, AmpersandsAreDrawnAsThemselves)
{
    Held<CDrawContext> context(newClearedContext());
    context->setFillColor(kRedCColor);
    const std::int32_t width = context->getStringWidth("&&");
    ASSERT_GT(width, context->getStringWidth("&"));
    context->drawString("&&", CRect(0, 0, 100, 20), 1, kAlignLeft);
    std::int32_t inkColumns = 0;
    for (std::int32_t x = 0; x < 100; ++x)
        inkColumns += columnHasInk(*context, x, 0, 20) ? 1 : 0;
    EXPECT_EQ(inkColumns, width);
}

TEST_F(WindowDrawContext, ArcsByAngleRunCounterClockwise)
{
    // Lit pixels in each quarter of (0, 0, 100, 100), leaving out a band along the axes where
    // the arc's end points lie: upper right, upper left, lower left, lower right.
    const auto litQuarters = [this](float startAngle, float endAngle) {
        Held<CDrawContext> context(newClearedContext());
        context->drawArc(CRect(0, 0, 100, 100), startAngle, endAngle, kDrawStyleStroked);
        std::vector<bool> lit;
        for (const CRect& quarter : {CRect(54, 0, 101, 47), CRect(0, 0, 47, 47), CRect(0, 54, 47, 101),
                                     CRect(54, 54, 101, 101)})
            lit.push_back(countPixels(*context, quarter, kWhiteCColor) > 0);
        return lit;
    };
    EXPECT_EQ(litQuarters(0.0f, 90.0f), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(litQuarters(90.0f, 0.0f), (std::vector<bool>{false, true, true, true}));
}

TEST_F(WindowDrawContext, PointsIgnoreAlphaAndReadBackOpaque)
{
    Held<CDrawContext> context(newClearedContext());
    context->drawPoint(CPoint(3, 4), CColor{10, 20, 30, 0});
    EXPECT_EQ(context->getPoint(CPoint(3, 4)), (CColor{10, 20, 30, 255}));
}

TEST_F(WindowDrawContext, DrawModesCombineThePenWithThePixel)
{
    Held<CDrawContext> context(newClearedContext());
    context->setFillColor(kDarkOrange);
    context->drawRect(CRect(0, 0, 30, 10), kDrawStyleFilled);
    context->setFrameColor(kLime);
    const auto lineAt = [&](std::int32_t y, CDrawMode mode) {
        context->setDrawMode(mode);
        context->moveTo(CPoint(0, y));
        context->lineTo(CPoint(20, y));
        return context->getPoint(CPoint(5, y));
    };
    EXPECT_EQ(lineAt(2, kDrawModeOr), (CColor{0xFF, 0xFF, 0x00, 255}));
    EXPECT_EQ(lineAt(4, kDrawModeXor), (CColor{0x00, 0x00, 0xFF, 255}));
    EXPECT_EQ(lineAt(6, kDrawModeCopy), kLime);
    EXPECT_EQ(context->getPoint(CPoint(20, 6)), kDarkOrange) << "the end pixel of a line is not drawn";
}

TEST_F(WindowDrawContext, ClipFollowsTheOffset)
{
    Held<CDrawContext> context(newClearedContext());
    context->offset = CPoint(10, 10);
    context->setClipRect(CRect(0, 0, 20, 20));
    context->setFillColor(kRedCColor);
    context->drawRect(CRect(-10, -10, 100, 100), kDrawStyleFilled);
    context->offset = CPoint(0, 0);
    EXPECT_EQ(countPixels(*context, CRect(0, 0, 40, 40), kRedCColor), 400);
    EXPECT_EQ(context->getPoint(CPoint(10, 10)), kRedCColor);
    EXPECT_EQ(context->getPoint(CPoint(9, 9)), kBlackCColor);
    EXPECT_EQ(context->getPoint(CPoint(30, 30)), kBlackCColor);

    context->offset = CPoint(10, 10);
    context->resetClipRect();
    context->drawRect(CRect(-10, -10, 100, 100), kDrawStyleFilled);
    context->offset = CPoint(0, 0);
    EXPECT_EQ(context->getPoint(CPoint(50, 50)), kRedCColor);
    EXPECT_EQ(context->getPoint(CPoint(5, 5)), kBlackCColor) << "the frame's rectangle, shifted by the offset";
}

TEST_F(WindowDrawContext, FontSizeAndIdentifierRules)
{
    Held<CDrawContext> context(newClearedContext());
    context->setFont(kFontLarger);
    const std::int32_t large = context->getStringWidth("Kestrovanel");
    context->setFont(kFontSmallest);
    const std::int32_t small = context->getStringWidth("Kestrovanel");
    EXPECT_GT(large, small);
    context->setFont(static_cast<CFont>(9), 0, 0);
    EXPECT_EQ(context->getFont(), kFontSystem);
    EXPECT_EQ(context->getFontSize(), 12);
    context->setFont(kFontMedium, 0, kTextItalic);
    EXPECT_EQ(context->getFontStyle(), kTextItalic);
}

TEST_F(WindowDrawContext, DrawLinesDrawsSeparateSegments)
{
    Held<CDrawContext> context(newClearedContext());
    const CPoint points[] = {CPoint(0, 0), CPoint(10, 0), CPoint(0, 5), CPoint(10, 5)};
    context->drawLines(points, 2);
    EXPECT_EQ(countPixels(*context, CRect(0, 0, 12, 7), kWhiteCColor), 20);
}

TEST_F(WindowDrawContext, FillsOfEllipsesPolygonsAndFloodFill)
{
    Held<CDrawContext> context(newClearedContext());
    context->setFillColor(kRedCColor);
    context->fillEllipse(CRect(0, 0, 20, 20));
    EXPECT_EQ(context->getPoint(CPoint(10, 10)), kRedCColor);
    EXPECT_EQ(context->getPoint(CPoint(1, 1)), kBlackCColor);

    const CPoint triangle[] = {CPoint(40, 0), CPoint(60, 0), CPoint(40, 20)};
    context->fillPolygon(triangle, 3);
    EXPECT_EQ(context->getPoint(CPoint(42, 2)), kRedCColor);
    EXPECT_EQ(context->getPoint(CPoint(58, 18)), kBlackCColor);

    context->drawRect(CRect(70, 0, 90, 20), kDrawStyleStroked);
    context->setFillColor(kGreenCColor);
    context->floodFill(CPoint(80, 10));
    EXPECT_EQ(context->getPoint(CPoint(75, 5)), kGreenCColor);
    EXPECT_EQ(context->getPoint(CPoint(95, 5)), kBlackCColor);
}

// Drawing straight on the answered device context must show through the context itself.
TEST_F(WindowDrawContext, TheSystemContextIsTheDeviceContextInUse)
{
    Held<CDrawContext> context(newClearedContext());
    const HDC dc = static_cast<HDC>(context->getSystemContext());
    ASSERT_NE(dc, nullptr) << "a context on the window's own device context";
    SetPixel(dc, 7, 5, RGB(0xF0, 0x0F, 0x00));
    EXPECT_EQ(context->getPoint(CPoint(7, 5)), kDarkOrange);

    const HDC handedIn = GetDC(window);
    Held<CDrawContext> onHandedIn(new CDrawContext(frame.get(), handedIn, nullptr));
    EXPECT_EQ(onHandedIn->getSystemContext(), handedIn);
    onHandedIn.reset();
    ReleaseDC(window, handedIn);
}
