// Keys on X11: a click gives the editor the keyboard focus, keys the server sends its window
// act on the views as the host's forwarded keys do, and one press that arrives both ways (the
// window's own event and effEditKeyDown from a host that also listens) acts once.
#include "X11PanelFixture.h"

namespace {
constexpr intptr kVirtualKeyUp = 12;
constexpr intptr kVirtualKeyRight = 13;

using X11Keyboard = X11Panel;
} // namespace

TEST_F(X11Keyboard, AClickTakesTheFocusAndArrowKeysFromTheServerStepTheKnob)
{
    panel->focusParent();
    ASSERT_EQ(panel->inputFocus(), panel->parent());
    controlClick(2);
    EXPECT_EQ(panel->inputFocus(), panel->editorWindow());
    ASSERT_FLOAT_EQ(panel->parameter(2), 0.5f);
    panel->clearRequests();

    FakeInput input;
    input.tapKey("Up");
    panel->idle();
    EXPECT_NEAR(panel->parameter(2), 0.6f, 1e-4f);
    input.key("Shift_L", true);
    input.tapKey("Left");
    input.key("Shift_L", false);
    input.tapKey("a");
    panel->idle();
    EXPECT_NEAR(panel->parameter(2), 0.59f, 1e-4f) << "Shift steps finely; a letter does nothing to a knob";
    EXPECT_EQ(panel->editRequests(), (std::vector<int32>{audioMasterBeginEdit, 2, audioMasterEndEdit, 2,
                                                          audioMasterBeginEdit, 2, audioMasterEndEdit, 2}));
    EXPECT_FLOAT_EQ(panel->parameter(1), 0.5f) << "only the focused knob moves";
}

TEST_F(X11Keyboard, OnePressActsOnceWhenTheHostForwardsItToo)
{
    controlClick(2);
    FakeInput input;

    // The window's event handled in an idle, then the host's copy.
    input.tapKey("Up");
    panel->idle();
    EXPECT_EQ(panel->dispatch(effEditKeyDown, 0, kVirtualKeyUp), 1);
    EXPECT_EQ(panel->dispatch(effEditKeyUp, 0, kVirtualKeyUp), 0) << "the knob's answer to the release";
    EXPECT_NEAR(panel->parameter(2), 0.6f, 1e-4f);

    // The host's copy before the idle that would handle the window's event.
    input.tapKey("Right");
    EXPECT_EQ(panel->dispatch(effEditKeyDown, 0, kVirtualKeyRight), 1);
    panel->idle();
    EXPECT_NEAR(panel->parameter(2), 0.7f, 1e-4f);

    // A key only the host saw still acts, and an unhandled one goes back to it.
    EXPECT_EQ(panel->dispatch(effEditKeyDown, 0, kVirtualKeyUp), 1);
    EXPECT_NEAR(panel->parameter(2), 0.8f, 1e-4f);
    input.tapKey("a");
    panel->idle();
    EXPECT_EQ(panel->dispatch(effEditKeyDown, 'a'), 0);
}
