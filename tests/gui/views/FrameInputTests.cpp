// Button presses and wheel turns sent to the frame's window as real messages reach the right
// view: the topmost mouse-enabled child under the point through nested containers, or the
// modal view alone.
#include "HostWindow.h"
#include "TestViews.h"

#include <gtest/gtest.h>

using namespace VSTGUI;

namespace {
class FrameInput : public ::testing::Test {
protected:
    FrameInput()
    {
        // outer at (20, 20) in the frame, inner at (10, 10) in outer, target at (5, 5) in inner.
        frame->addView(outer);
        outer->addView(inner);
        inner->addView(target);
        frame->addView(beside);
    }
    // The tree holds the creator's references and drops them with the frame.
    ~FrameInput() override { frame->forget(); }

    void click(int x, int y, UINT message = WM_LBUTTONDOWN)
    {
        SendMessageA(frameWindowOf(*frame), message, 0, MAKELPARAM(x, y));
    }

    // Wheel messages carry screen coordinates.
    void turnWheel(int x, int y, short delta)
    {
        POINT where = {x, y};
        ClientToScreen(frameWindowOf(*frame), &where);
        SendMessageA(frameWindowOf(*frame), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)),
                     MAKELPARAM(where.x, where.y));
    }

    HostWindow host{200, 150};
    CFrame* frame = new CFrame(CRect(0, 0, 200, 150), host.handle());
    CViewContainer* outer = new CViewContainer(CRect(20, 20, 120, 120), frame);
    CViewContainer* inner = new CViewContainer(CRect(10, 10, 60, 60), frame);
    RecordingView* target = new RecordingView(CRect(5, 5, 25, 25));
    RecordingView* beside = new RecordingView(CRect(150, 10, 190, 50));
};
} // namespace

TEST_F(FrameInput, AClickReachesTheViewUnderItInItsParentsCoordinates)
{
    click(38, 39);
    EXPECT_EQ(target->clicks, 1);
    EXPECT_EQ(target->lastClick, CPoint(8, 9));
    EXPECT_EQ(beside->clicks, 0);
}

TEST_F(FrameInput, EveryButtonPressIsRouted)
{
    click(160, 20, WM_RBUTTONDOWN);
    click(160, 20, WM_MBUTTONDOWN);
    EXPECT_EQ(beside->clicks, 2);
}

TEST_F(FrameInput, TheTopmostMouseEnabledChildWinsWhereChildrenOverlap)
{
    auto* cover = new RecordingView(CRect(0, 0, 30, 30));
    inner->addView(cover);
    click(38, 39);
    EXPECT_EQ(cover->clicks, 1);
    EXPECT_EQ(target->clicks, 0);

    cover->setMouseEnabled(false);
    click(38, 39);
    EXPECT_EQ(target->clicks, 1);
    EXPECT_EQ(cover->clicks, 1);
}

TEST_F(FrameInput, AClickOutsideEveryChildReachesNobody)
{
    click(5, 140);
    EXPECT_EQ(target->clicks + beside->clicks, 0);
}

TEST_F(FrameInput, AClickTakesTheFocusAwayFirst)
{
    beside->setWantsFocus(true);
    frame->setFocusView(beside);
    click(38, 39);
    EXPECT_EQ(frame->getFocusView(), nullptr);
    EXPECT_EQ(beside->focusLosses, 1);
    EXPECT_EQ(target->clicks, 1);
}

TEST_F(FrameInput, TheWheelGivesNotchesAndHalfNotchesToTheViewUnderThePointer)
{
    turnWheel(160, 20, 120);
    EXPECT_FLOAT_EQ(beside->lastDistance, 1.0f);
    EXPECT_EQ(beside->lastWheelPoint, CPoint(160, 20));
    turnWheel(160, 20, 30);
    EXPECT_FLOAT_EQ(beside->lastDistance, 0.25f);
    turnWheel(160, 20, -120);
    EXPECT_FLOAT_EQ(beside->lastDistance, -1.0f);
    EXPECT_EQ(beside->wheelTurns, 3);
}

TEST_F(FrameInput, TheWheelReachesAChildThatIgnoresTheMouse)
{
    beside->setMouseEnabled(false);
    turnWheel(160, 20, 120);
    EXPECT_EQ(beside->wheelTurns, 1);
}

TEST_F(FrameInput, AModalViewTakesClicksInsideItAndDropsTheRest)
{
    auto* modal = new RecordingView(CRect(100, 100, 140, 140));
    ASSERT_TRUE(frame->setModalView(modal));
    EXPECT_FALSE(frame->setModalView(beside));

    click(38, 39);
    click(160, 20);
    EXPECT_EQ(target->clicks + beside->clicks, 0);
    click(110, 110);
    EXPECT_EQ(modal->clicks, 1);

    turnWheel(160, 20, 120);
    EXPECT_EQ(modal->wheelTurns, 1);
    EXPECT_EQ(beside->wheelTurns, 0);

    VstKeyCode key = {'a', 0, 0, {0, 0}};
    modal->keyResult = 1;
    EXPECT_EQ(frame->onKeyDown(key), 1);
    EXPECT_EQ(modal->keys, 1);

    ASSERT_TRUE(frame->setModalView(nullptr));
    EXPECT_FALSE(frame->isChild(modal));
    EXPECT_EQ(modal->getNbReference(), 1) << "the creator keeps the modal view";
    click(38, 39);
    EXPECT_EQ(target->clicks, 1);
    modal->forget();
}

TEST_F(FrameInput, TheCurrentLocationIsInFrameCoordinates)
{
    POINT origin = {0, 0};
    ClientToScreen(frameWindowOf(*frame), &origin);
    SetCursorPos(origin.x + 30, origin.y + 40);
    CPoint where;
    ASSERT_TRUE(frame->getCurrentLocation(where));
    EXPECT_EQ(where, CPoint(30, 40));
    EXPECT_EQ(frame->getCurrentView(), outer);
    EXPECT_EQ(outer->getCurrentView(), inner);
}
