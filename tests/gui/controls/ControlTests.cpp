// The control base: dirty tracking through the value drawn last, the range bounce, the
// default-value click, double clicks and the class names.
#include "ControlFixture.h"

#include <cmath>
#include <limits>

using namespace VSTGUI;

namespace {
class PlainControl : public CControl {
public:
    using CControl::CControl;
    void draw(CDrawContext* /*context*/) override { setDirty(false); }
};

class ControlBase : public ControlFixture {
protected:
    PlainControl* control = add(new PlainControl(CRect(10, 10, 60, 30), &listener, 4));
};
} // namespace

TEST_F(ControlBase, ANewControlIsDirtyUntilDrawnAndStaysCleanForTheSameValue)
{
    PlainControl fresh(CRect(0, 0, 5, 5));
    EXPECT_TRUE(fresh.isDirty());
    EXPECT_FLOAT_EQ(fresh.getOldValue(), -1.0f);
    fresh.setDirty(false);
    EXPECT_FALSE(fresh.isDirty());
    fresh.setValue(0.0f);
    EXPECT_FALSE(fresh.isDirty());
    fresh.setValue(0.25f);
    EXPECT_TRUE(fresh.isDirty());
}

TEST_F(ControlBase, ForcingARedrawMakesTheOldValueDifferFromTheValue)
{
    control->setValue(-1.0f);
    control->setDirty(true);
    EXPECT_FLOAT_EQ(control->getOldValue(), 0.0f);
    control->setValue(0.3f);
    control->setDirty(true);
    EXPECT_FLOAT_EQ(control->getOldValue(), -1.0f);
}

TEST_F(ControlBase, ANanValueCountsAsChanged)
{
    control->setDirty(false);
    control->setValue(std::numeric_limits<float>::quiet_NaN());
    EXPECT_TRUE(control->isDirty());
}

TEST_F(ControlBase, BounceBringsTheValueIntoTheRangeAndLeavesNan)
{
    control->setValue(1.5f);
    control->bounceValue();
    EXPECT_FLOAT_EQ(control->getValue(), 1.0f);
    control->setValue(-0.2f);
    control->bounceValue();
    EXPECT_FLOAT_EQ(control->getValue(), 0.0f);
    control->setValue(std::numeric_limits<float>::quiet_NaN());
    control->bounceValue();
    EXPECT_TRUE(std::isnan(control->getValue()));
}

TEST_F(ControlBase, ControlClickAloneSetsTheDefaultAsOneEdit)
{
    control->setValue(0.9f);
    control->setDirty(false);
    EXPECT_TRUE(control->checkDefaultValue(context, kMouseLeft | kKeyControl));
    EXPECT_FLOAT_EQ(control->getValue(), 0.5f);
    EXPECT_EQ(listener.values, std::vector<float>{0.5f});
    EXPECT_EQ(edits.begins, std::vector<int>{4});
    EXPECT_EQ(edits.ends, std::vector<int>{4});
    EXPECT_EQ(frame->getFocusView(), control);
}

TEST_F(ControlBase, ADefaultClickOnTheDefaultValueTellsTheListenerNothing)
{
    control->setValue(0.5f);
    control->setDirty(false);
    EXPECT_TRUE(control->checkDefaultValue(context, kMouseLeft | kKeyControl));
    EXPECT_TRUE(listener.values.empty());
    EXPECT_EQ(edits.begins.size(), 1u);
}

TEST_F(ControlBase, OtherButtonsAreNoDefaultClick)
{
    EXPECT_FALSE(control->checkDefaultValue(context, kMouseLeft | kKeyShift | kKeyControl));
    EXPECT_FALSE(control->checkDefaultValue(context, kKeyControl));
    EXPECT_TRUE(edits.begins.empty());
}

TEST_F(ControlBase, DoubleClicksUseAtLeast250Milliseconds)
{
    fake::input.doubleClickTime = 200;
    PlainControl* clicked = add(new PlainControl(CRect(0, 0, 5, 5)));
    fake::input.tickCount = 1000;
    EXPECT_FALSE(clicked->isDoubleClick());
    fake::input.tickCount = 1240;
    EXPECT_TRUE(clicked->isDoubleClick());
    fake::input.tickCount = 1250;
    EXPECT_FALSE(clicked->isDoubleClick()) << "a completed double click starts no other";
}

TEST_F(ControlBase, ClassNamesAreWholeStrings)
{
    EXPECT_TRUE(control->isTypeOf("CControl"));
    EXPECT_TRUE(control->isTypeOf("CView"));
    EXPECT_FALSE(control->isTypeOf("CControl "));
    EXPECT_FALSE(control->isTypeOf("CKnob"));
}
