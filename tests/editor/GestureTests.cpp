// Real input on the panel: a drag, the wheel, Control+click, and the arrow keys the host
// forwards. Each gesture changes the parameter the host reads back, rewrites the label on the
// next idle, and is bracketed by exactly one beginEdit and one endEdit with the knob's tag.
#include "PanelExpectations.h"

#include <gtest/gtest.h>

namespace {
constexpr float kTolerance = 0.02f;
constexpr unsigned char kVirtualKeyUp = 12;
constexpr unsigned char kVirtualKeyDown = 14;
constexpr float kModifierShift = 1.0f;

class PanelGestures : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(panel.openEditor());
        panel.takeEditRequests();
    }

    MouseDrag dragOnKnob(int tag, double fromDegrees, double toDegrees) const
    {
        const POINT from = PanelLayout::knobPointAt(tag, fromDegrees);
        const POINT to = PanelLayout::knobPointAt(tag, toDegrees);
        MouseDrag drag;
        drag.start = panel.toScreen(from);
        drag.dx = to.x - from.x;
        drag.dy = to.y - from.y;
        return drag;
    }

    // Sets the default value and gives the knob the keyboard focus.
    void controlClickOnKnob(int tag)
    {
        const POINT point = panel.toScreen(PanelLayout::knobPointAt(tag, 180.0));
        panel.perform([point] { performClick(point, VK_CONTROL); });
    }

    intptr keyDown(unsigned char virtualKey, float modifier = 0.0f)
    {
        return panel.host().dispatch(effEditKeyDown, 0, virtualKey, nullptr, modifier);
    }

    PanelHost panel;
};
} // namespace

TEST_F(PanelGestures, ADragTurnsTheKnobAndTheLabelFollowsOnTheNextIdle)
{
    // From 180 degrees over the top to 45 degrees: from 1/6 to 2/3 of the range.
    const MouseDrag drag = dragOnKnob(0, 180.0, 45.0);
    panel.perform([drag] { performDrag(drag); });
    EXPECT_NEAR(panel.host().getParameter(0), 2.0f / 3.0f, kTolerance);
    EXPECT_TRUE(isOneEditOf(panel.takeEditRequests(), 0));
    panel.idle();
    EXPECT_TRUE(labelShowsParameter(panel, 0));
    EXPECT_FLOAT_EQ(panel.host().getParameter(1), 0.5f) << "the other knobs stay";
}

TEST_F(PanelGestures, TheWheelStepsTheKnobUnderThePointerByATenth)
{
    const POINT centre = panel.toScreen(PanelLayout::knobCentre(1));
    panel.perform([centre] { performWheel(centre, 1); });
    EXPECT_NEAR(panel.host().getParameter(1), 0.6f, 1e-4f);
    EXPECT_TRUE(isOneEditOf(panel.takeEditRequests(), 1));
    panel.idle();
    EXPECT_TRUE(labelShowsParameter(panel, 1));
}

TEST_F(PanelGestures, TheWheelWithShiftStepsByAHundredth)
{
    const POINT centre = panel.toScreen(PanelLayout::knobCentre(1));
    panel.perform([centre] { performWheel(centre, -1, VK_SHIFT); });
    EXPECT_NEAR(panel.host().getParameter(1), 0.49f, 1e-4f);
    EXPECT_TRUE(isOneEditOf(panel.takeEditRequests(), 1));
}

TEST_F(PanelGestures, ControlClickSetsTheDefaultWithoutStartingADrag)
{
    controlClickOnKnob(2);
    EXPECT_FLOAT_EQ(panel.host().getParameter(2), 0.5f);
    EXPECT_TRUE(isOneEditOf(panel.takeEditRequests(), 2));
    panel.idle();
    EXPECT_TRUE(labelShowsParameter(panel, 2));
}

TEST_F(PanelGestures, ArrowKeysFromTheHostStepTheKnobLastTouched)
{
    controlClickOnKnob(2);
    panel.takeEditRequests();

    EXPECT_EQ(keyDown(kVirtualKeyUp), 1);
    EXPECT_NEAR(panel.host().getParameter(2), 0.6f, 1e-4f);
    EXPECT_TRUE(isOneEditOf(panel.takeEditRequests(), 2));
    EXPECT_EQ(keyDown(kVirtualKeyDown, kModifierShift), 1);
    EXPECT_NEAR(panel.host().getParameter(2), 0.59f, 1e-4f);
    EXPECT_TRUE(isOneEditOf(panel.takeEditRequests(), 2));
    panel.idle();
    EXPECT_TRUE(labelShowsParameter(panel, 2));
}

TEST_F(PanelGestures, KeysOtherThanTheArrowsAreLeftToTheHost)
{
    controlClickOnKnob(0);
    panel.takeEditRequests();
    EXPECT_EQ(panel.host().dispatch(effEditKeyDown, 'a', 0, nullptr, 0.0f), 0);
    EXPECT_TRUE(panel.takeEditRequests().empty());
}

TEST_F(PanelGestures, ArrowKeysDoNothingBeforeAKnobWasTouched)
{
    EXPECT_EQ(keyDown(kVirtualKeyUp), 0);
    EXPECT_TRUE(panel.takeEditRequests().empty());
}

// A host that idles its editor rarely (or not at all during a drag) must not make the knob
// lag: the drag loop idles the frame itself.
TEST_F(PanelGestures, TheKnobRedrawsDuringADragWithoutTheHostsIdle)
{
    // Output starts at its maximum; dragged straight up it points at (25, 5) of the knob.
    const POINT from = panel.toScreen(PanelLayout::knobPointAt(2, 180.0));
    const POINT to = panel.toScreen(PanelLayout::knobPointAt(2, 90.0, 10.0));
    const POINT handle = {PanelLayout::kKnobLeft[2] + 25, PanelLayout::kKnobTop + 5};
    const PanelHost* observed = &panel;
    VSTGUI::CColor handleMidDrag{};
    panel.perform([from, to, handle, observed, &handleMidDrag] {
        moveCursorTo(from);
        pressLeftButton(true);
        moveCursorTo(to);
        Sleep(400);
        handleMidDrag = observed->pixel(handle.x, handle.y);
        pressLeftButton(false);
    });
    EXPECT_TRUE(isHandleCentre(handleMidDrag));
    EXPECT_NEAR(panel.host().getParameter(2), 0.5f, kTolerance);
    EXPECT_TRUE(isOneEditOf(panel.takeEditRequests(), 2));
}
