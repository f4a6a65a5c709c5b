// The knob's gestures driven through the fake platform: drag loops fed pass by pass from the
// editor's idle hook, the wheel and the arrow keys, each bracketed by one begin and one end.
#include "ControlFixture.h"

#include "controls/CKnob.h"

using namespace VSTGUI;
using platform::InputKey;

namespace {
constexpr unsigned char kVirtualKeyLeft = 11;
constexpr unsigned char kVirtualKeyUp = 12;
constexpr unsigned char kModifierShift = 1;

class KnobGestures : public ControlFixture {
protected:
    KnobGestures() { knob->setValue(0.5f); }
    ~KnobGestures() override { AEffGUIEditor::knobMode = 0; }

    void drag(CPoint start, std::vector<CPoint> path, std::function<void(int)> duringPass = nullptr,
              std::int32_t extraButtons = 0)
    {
        ControlFixture::drag(knob, start, std::move(path), std::move(duringPass), extraButtons);
    }

    intptr key(unsigned char virtualKey, unsigned char modifier = 0)
    {
        VstKeyCode code = {};
        code.virt = virtualKey;
        code.modifier = modifier;
        return knob->onKeyDown(code);
    }

    CKnob* knob = add(new CKnob(CRect(100, 100, 150, 150), &listener, 2, nullptr, nullptr));
};
} // namespace

TEST_F(KnobGestures, ALinearDragCrossesTheRangeIn200Pixels)
{
    AEffGUIEditor::knobMode = 2;
    drag(CPoint(125, 125), {CPoint(125, 125), CPoint(125, 105), CPoint(125, 75)});
    EXPECT_FLOAT_EQ(knob->getValue(), 0.75f);
    EXPECT_EQ(edits.begins, std::vector<int>{2});
    EXPECT_EQ(edits.ends, std::vector<int>{2});
}

TEST_F(KnobGestures, ShiftSlowsALinearDragTo300Pixels)
{
    AEffGUIEditor::knobMode = 2;
    holdKey(InputKey::shift, true);
    drag(CPoint(125, 125), {CPoint(125, 125), CPoint(125, 95)}, nullptr, kKeyShift);
    EXPECT_FLOAT_EQ(knob->getValue(), 0.6f);
}

TEST_F(KnobGestures, ShiftPressedMidDragChangesOnlyTheRate)
{
    AEffGUIEditor::knobMode = 2;
    drag(CPoint(125, 125), {CPoint(125, 125), CPoint(125, 105), CPoint(125, 105), CPoint(125, 75)},
         [this](int pass) {
             if (pass == 2)
                 holdKey(InputKey::shift, true);
         });
    // 20 pixels at 1/200, then 30 at 1/300.
    EXPECT_NEAR(knob->getValue(), 0.5f + 0.1f + 0.1f, 1e-5f);
}

TEST_F(KnobGestures, ALinearDragPastTheEndStaysThereUntilThePointerComesBack)
{
    AEffGUIEditor::knobMode = 2;
    drag(CPoint(125, 125), {CPoint(125, 125), CPoint(125, 0), CPoint(125, 5)});
    EXPECT_FLOAT_EQ(knob->getValue(), 1.0f);
}

TEST_F(KnobGestures, AltSwapsTheModes)
{
    // Circular with Alt in mode 0 becomes linear.
    drag(CPoint(125, 125), {CPoint(125, 125), CPoint(125, 85)}, nullptr, kKeyAlt);
    EXPECT_FLOAT_EQ(knob->getValue(), 0.7f);
    // Linear with Alt in mode 2 becomes circular: a click at 180 degrees reads a sixth.
    AEffGUIEditor::knobMode = 2;
    drag(CPoint(105, 125), {CPoint(105, 125)}, nullptr, kKeyAlt);
    EXPECT_NEAR(knob->getValue(), 1.0f / 6.0f, 1e-5f);
}

TEST_F(KnobGestures, ACircularSwingAcrossTheGapStaysAtTheEndItLeft)
{
    // From -45 degrees through the bottom gap to 225 degrees and on to 180 degrees.
    drag(CPoint(139, 139), {CPoint(139, 139), CPoint(131, 145), CPoint(125, 147), CPoint(118, 145),
                            CPoint(111, 139), CPoint(105, 125)});
    EXPECT_FLOAT_EQ(knob->getValue(), 1.0f);
    EXPECT_FLOAT_EQ(listener.values.back(), 1.0f);
}

TEST_F(KnobGestures, ControlClickSetsTheDefaultWithoutADrag)
{
    knob->setValue(0.9f);
    holdKey(InputKey::physicalLeftButton, true);
    CPoint where(110, 110);
    knob->mouse(context, where, kMouseLeft | kKeyControl);
    EXPECT_FLOAT_EQ(knob->getValue(), 0.5f);
    EXPECT_EQ(editor->passes, 0) << "no tracking loop ran";
    EXPECT_EQ(edits.begins.size(), 1u);
}

TEST_F(KnobGestures, TheWheelStepsByATenthOrWithShiftByAHundredth)
{
    EXPECT_TRUE(knob->onWheel(context, CPoint(125, 125), 1.0f));
    EXPECT_FLOAT_EQ(knob->getValue(), 0.6f);
    holdKey(InputKey::shift, true);
    EXPECT_TRUE(knob->onWheel(context, CPoint(125, 125), -1.0f));
    EXPECT_NEAR(knob->getValue(), 0.59f, 1e-6f);
    EXPECT_EQ(edits.begins, (std::vector<int>{2, 2}));
    EXPECT_EQ(edits.ends, (std::vector<int>{2, 2}));
}

TEST_F(KnobGestures, TheWheelAtTheEndChangesNothingAndTellsNobody)
{
    knob->setValue(1.0f);
    knob->setDirty(false);
    EXPECT_TRUE(knob->onWheel(context, CPoint(125, 125), 1.0f));
    EXPECT_TRUE(listener.values.empty());
    EXPECT_TRUE(edits.begins.empty());
}

TEST_F(KnobGestures, ArrowKeysStepAndOtherKeysAreNotTaken)
{
    EXPECT_EQ(key(kVirtualKeyUp), 1);
    EXPECT_FLOAT_EQ(knob->getValue(), 0.6f);
    EXPECT_EQ(key(kVirtualKeyLeft, kModifierShift), 1);
    EXPECT_NEAR(knob->getValue(), 0.59f, 1e-6f);
    EXPECT_EQ(key(0), -1);
    EXPECT_EQ(listener.contexts.back(), nullptr) << "keys have no draw context";
    EXPECT_EQ(edits.begins.size(), 2u);
}
