// The frame's two paint paths on a real window: WM_PAINT repaints the update rectangle through
// the back buffer, and idle repaints dirty views once the window has been painted.
#include "COffscreenContext.h"
#include "HostWindow.h"
#include "TestViews.h"

#include <gtest/gtest.h>

using namespace VSTGUI;

namespace {
class FramePaint : public ::testing::Test {
protected:
    static constexpr int kWidth = 120;
    static constexpr int kHeight = 80;

    FramePaint()
    {
        frame->addView(view);
    }
    // The tree holds the creator's reference and drops it with the frame.
    ~FramePaint() override { frame->forget(); }

    HWND window() const { return frameWindowOf(*frame); }

    HostWindow host{kWidth, kHeight};
    CFrame* frame = new CFrame(CRect(0, 0, kWidth, kHeight), host.handle());
    ColourView* view = new ColourView(CRect(10, 10, 110, 70), kRedCColor);
};
} // namespace

TEST_F(FramePaint, WindowPaintRedrawsOnlyTheUpdateRectangleThroughTheBackBuffer)
{
    UpdateWindow(window());
    ASSERT_EQ(pixelOf(window(), 50, 40), kRedCColor);

    view->setColour(kBlueCColor);
    RECT update = {20, 20, 40, 30};
    InvalidateRect(window(), &update, FALSE);
    UpdateWindow(window());

    EXPECT_EQ(pixelOf(window(), 20, 20), kBlueCColor);
    EXPECT_EQ(pixelOf(window(), 39, 29), kBlueCColor);
    EXPECT_EQ(pixelOf(window(), 40, 29), kRedCColor);
    EXPECT_EQ(pixelOf(window(), 39, 30), kRedCColor);
    EXPECT_EQ(pixelOf(window(), 19, 20), kRedCColor);
    EXPECT_EQ(frame->getBackBuffer()->getPoint(CPoint(30, 25)), kBlueCColor);
    EXPECT_EQ(frame->getBackBuffer()->getPoint(CPoint(60, 50)), kRedCColor);
}

TEST_F(FramePaint, IdleBeforeTheFirstPaintDrawsNothing)
{
    ASSERT_TRUE(frame->isDirty());
    frame->idle();
    EXPECT_EQ(view->drawCount, 0);
}

TEST_F(FramePaint, IdleAfterThePaintRedrawsADirtyViewOnTheWindow)
{
    UpdateWindow(window());
    const int drawsAfterPaint = view->drawCount;
    frame->idle();
    EXPECT_EQ(view->drawCount, drawsAfterPaint) << "nothing was dirty";

    view->setColour(kGreenCColor);
    view->setDirty(true);
    frame->idle();
    EXPECT_EQ(view->drawCount, drawsAfterPaint + 1);
    EXPECT_EQ(pixelOf(window(), 50, 40), kGreenCColor);
    EXPECT_FALSE(frame->isDirty());
}

TEST_F(FramePaint, DrawingOneViewShowsItAtOnceWithoutTheBackBuffer)
{
    UpdateWindow(window());
    view->setColour(kYellowCColor);
    view->redraw();
    EXPECT_EQ(pixelOf(window(), 50, 40), kYellowCColor);
    EXPECT_EQ(frame->getBackBuffer()->getPoint(CPoint(50, 40)), kRedCColor);
}
