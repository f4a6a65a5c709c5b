// Tab and Shift+Tab, which reach the frame from the host through the editor, move the keyboard
// focus through the children that want it, nested containers included.
#include "HostWindow.h"
#include "TestViews.h"

#include <gtest/gtest.h>

using namespace VSTGUI;

namespace {
constexpr unsigned char kTab = 2;
constexpr unsigned char kShift = 1;

class FrameFocus : public ::testing::Test {
protected:
    FrameFocus()
    {
        for (RecordingView* view : {first, plain, last})
            frame->addView(view);
        frame->addView(group);
        group->addView(nested);
        frame->addView(afterGroup);
        for (RecordingView* view : {first, last, nested, afterGroup})
            view->setWantsFocus(true);
    }
    // The tree holds the creator's references and drops them with the frame.
    ~FrameFocus() override { frame->forget(); }

    std::int32_t press(unsigned char virtualKey, unsigned char modifier = 0)
    {
        VstKeyCode key = {0, virtualKey, modifier, {0, 0}};
        return frame->onKeyDown(key);
    }

    HostWindow host{200, 150};
    CFrame* frame = new CFrame(CRect(0, 0, 200, 150), host.handle());
    RecordingView* first = new RecordingView(CRect(0, 0, 10, 10));
    RecordingView* plain = new RecordingView(CRect(10, 0, 20, 10));
    RecordingView* last = new RecordingView(CRect(20, 0, 30, 10));
    CViewContainer* group = new CViewContainer(CRect(0, 50, 100, 100), frame);
    RecordingView* nested = new RecordingView(CRect(0, 0, 10, 10));
    RecordingView* afterGroup = new RecordingView(CRect(40, 0, 50, 10));
};
} // namespace

TEST_F(FrameFocus, TabVisitsTheViewsThatWantFocusInOrderAndThenLetsGo)
{
    EXPECT_EQ(press(kTab), 1);
    EXPECT_EQ(frame->getFocusView(), first);
    EXPECT_EQ(press(kTab), 1);
    EXPECT_EQ(frame->getFocusView(), last);
    EXPECT_EQ(press(kTab), 1);
    EXPECT_EQ(frame->getFocusView(), nested);
    EXPECT_EQ(press(kTab), 1);
    EXPECT_EQ(frame->getFocusView(), afterGroup);
    EXPECT_EQ(press(kTab), -1);
    EXPECT_EQ(frame->getFocusView(), nullptr);
    EXPECT_EQ(afterGroup->focusLosses, 1);
}

TEST_F(FrameFocus, ShiftTabGoesBackwards)
{
    frame->setFocusView(afterGroup);
    EXPECT_EQ(press(kTab, kShift), 1);
    EXPECT_EQ(frame->getFocusView(), nested);
    EXPECT_EQ(press(kTab, kShift), 1);
    EXPECT_EQ(frame->getFocusView(), last);
    EXPECT_EQ(press(kTab, kShift), 1);
    EXPECT_EQ(frame->getFocusView(), first);
    EXPECT_EQ(press(kTab, kShift), -1);
    EXPECT_EQ(frame->getFocusView(), nullptr);
}

TEST_F(FrameFocus, TheFocusViewSeesKeysFirst)
{
    frame->setFocusView(plain);
    plain->keyResult = 0;
    EXPECT_EQ(press(kTab), 0);
    EXPECT_EQ(plain->keys, 1);
    EXPECT_EQ(frame->getFocusView(), plain);
}

TEST_F(FrameFocus, AModalViewStopsTab)
{
    auto* modal = new RecordingView(CRect(100, 100, 110, 110));
    frame->setModalView(modal);
    EXPECT_EQ(press(kTab), -1);
    EXPECT_EQ(frame->getFocusView(), nullptr);
    frame->setModalView(nullptr);
    modal->forget();
}

TEST_F(FrameFocus, RemovingTheFocusViewOrItsContainerClearsTheFocus)
{
    frame->setFocusView(nested);
    frame->removeView(group, false);
    EXPECT_EQ(frame->getFocusView(), nullptr);
    EXPECT_EQ(nested->focusLosses, 1);
    group->forget();

    frame->setFocusView(last);
    frame->removeAll(true);
    EXPECT_EQ(frame->getFocusView(), nullptr) << "the focus view is gone with the children";
}
