// Keys on X11: a click gives the editor the keyboard focus, keys the server sends its window
// act on the views as the host's forwarded keys do, and one press that arrives both ways (the
// window's own event and effEditKeyDown from a host that also listens) acts once. Keys the
// views do not take go on to the host's window, once.
#include "X11PanelFixture.h"

#include <string>
#include <utility>

namespace {
constexpr intptr kVirtualKeyEscape = 6;
constexpr intptr kVirtualKeyUp = 12;
constexpr intptr kVirtualKeyRight = 13;
constexpr unsigned int kShiftMask = 1;

class X11Keyboard : public X11Panel {
protected:
    // A click on the knob gives it the focus; from then on the parent hears what reaches it.
    void focusKnobAndListen(int tag)
    {
        controlClick(tag);
        panel->idle();
        panel->listenForKeys();
    }
};

// Each key's name, and whether it was pressed or let go.
using Strokes = std::vector<std::pair<std::string, bool>>;

Strokes keyStrokes(const std::vector<ParentKey>& keys)
{
    Strokes strokes;
    for (const ParentKey& key : keys)
        strokes.emplace_back(key.key, key.pressed);
    return strokes;
}
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

TEST_F(X11Keyboard, KeysTheViewsDoNotTakeGoOnToTheHostsWindowAndTheKnobsKeysStay)
{
    focusKnobAndListen(2);
    FakeInput input;
    input.tapKey("Up");
    input.tapKey("Escape");
    input.tapKey("space");
    input.key("Shift_L", true);
    input.tapKey("a");
    input.key("Shift_L", false);
    panel->idle();

    const std::vector<ParentKey> keys = panel->keysAtParent("Shift_L");
    const Strokes passedOn = {{"Escape", true}, {"Escape", false}, {"space", true}, {"space", false},
                              {"Shift_L", true}, {"a", true},      {"a", false},    {"Shift_L", false}};
    EXPECT_EQ(keyStrokes(keys), passedOn) << "the knob's Up, press and release, stays with the editor";
    EXPECT_NEAR(panel->parameter(2), 0.6f, 1e-4f);
    for (const ParentKey& key : keys) {
        EXPECT_TRUE(key.sent) << key.key;
        EXPECT_EQ(key.subwindow, panel->editorWindow()) << key.key;
        EXPECT_EQ(key.x, PanelLayout::knobCentreX(2)) << key.key << " at the pointer, in the parent's coordinates";
        EXPECT_EQ(key.y, PanelLayout::knobCentreY()) << key.key;
    }
    ASSERT_EQ(keys.size(), 8u);
    EXPECT_NE(keys[5].state & kShiftMask, 0u) << "the a came with Shift held";
}

TEST_F(X11Keyboard, AKeyTheHostHandsBackIsNotPassedOnAgain)
{
    focusKnobAndListen(2);
    FakeInput input;
    input.tapKey("Escape");
    panel->idle();
    ASSERT_EQ(panel->keysAtParent("Escape").size(), 2u);

    // The host hands the key back, through the dispatcher and as an event of the editor's
    // window: the answer is "not taken", and nothing comes back to the host.
    EXPECT_EQ(panel->dispatch(effEditKeyDown, 0, kVirtualKeyEscape), 0);
    EXPECT_EQ(panel->dispatch(effEditKeyUp, 0, kVirtualKeyEscape), 0);
    panel->sendKeyToEditor("Escape", true);
    panel->sendKeyToEditor("Escape", false);
    panel->idle();
    input.tapKey("space");
    panel->idle();
    EXPECT_EQ(keyStrokes(panel->keysAtParent("space")), (Strokes{{"space", true}, {"space", false}}));
    EXPECT_NEAR(panel->parameter(2), 0.5f, 1e-4f);
}
