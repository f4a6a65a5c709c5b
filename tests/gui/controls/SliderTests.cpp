// The slider: where it draws its handle for a value, the value it takes from the pointer
// (free click, grip on the handle, Shift fine mode), and its offscreen's life.
#include "ControlFixture.h"
#include "StripBitmap.h"

#include "controls/CHorizontalSlider.h"
#include "controls/CVerticalSlider.h"

#include <algorithm>

using namespace VSTGUI;
using platform::InputKey;

namespace {
constexpr std::int32_t kTopIsZero = 32;

class Sliders : public ControlFixture {
protected:
    Sliders()
    {
        handle = new StripBitmap(*frame, 20, 20);
        track = new StripBitmap(*frame, 20, 120);
    }
    ~Sliders() override
    {
        handle->forget();
        track->forget();
    }
    // A vertical slider at (50, 10) with 100 pixels of travel for a 20-pixel handle.
    CVerticalSlider* vertical(std::int32_t style = kTopIsZero)
    {
        CPoint handleOffset(0, 0);
        CPoint backgroundOffset(0, 0);
        return add(new CVerticalSlider(CRect(50, 10, 70, 130), &listener, 11, handleOffset, 120, handle, track,
                                       backgroundOffset, style));
    }
    CRect handleAt(CControl* slider, float value)
    {
        slider->setValue(value);
        slider->draw(context);
        return handle->lastRect();
    }
    StripBitmap* handle;
    StripBitmap* track;
};
} // namespace

TEST_F(Sliders, HandleSitsAtTheTrackStartForZeroAndTheEndForOne)
{
    CVerticalSlider* slider = vertical();
    // Drawn into its own offscreen, so control-local.
    EXPECT_EQ(handleAt(slider, 0.0f), CRect(0, 0, 20, 20));
    EXPECT_EQ(handleAt(slider, 0.5f), CRect(0, 50, 20, 70));
    EXPECT_EQ(handleAt(slider, 1.0f), CRect(0, 100, 20, 120));
    // Out of range stays on the track.
    EXPECT_EQ(handleAt(slider, 1.4f), CRect(0, 100, 20, 120));
    EXPECT_EQ(handleAt(slider, -0.5f), CRect(0, 0, 20, 20));
    EXPECT_TRUE(slider->isTypeOf("CSlider") && slider->isTypeOf("CControl") && !slider->isTypeOf("CKnob"));
}

TEST_F(Sliders, WithoutBit8Or32TheDrawingIsMirrored)
{
    CVerticalSlider* slider = vertical(16);
    EXPECT_EQ(handleAt(slider, 1.0f), CRect(0, 0, 20, 20));
}

TEST_F(Sliders, FreeClickCentresTheHandleOnThePointer)
{
    CVerticalSlider* slider = vertical();
    dragWithRedraw(slider, CPoint(60, 19), {CPoint(60, 19)});
    EXPECT_FLOAT_EQ(slider->getValue(), 0.0f);
    dragWithRedraw(slider, CPoint(60, 69), {CPoint(60, 69)});
    EXPECT_FLOAT_EQ(slider->getValue(), 0.5f);
    dragWithRedraw(slider, CPoint(60, 300), {CPoint(60, 300)});
    EXPECT_FLOAT_EQ(slider->getValue(), 1.0f);
    EXPECT_EQ(edits.begins, (std::vector<int>{11, 11, 11}));
    EXPECT_EQ(edits.ends, (std::vector<int>{11, 11, 11}));
}

TEST_F(Sliders, WithoutFreeClickOnlyTheHandleGripsAndKeepsItsGripPoint)
{
    CVerticalSlider* slider = vertical();
    slider->setFreeClick(false);
    slider->setValue(0.5f);
    dragWithRedraw(slider, CPoint(60, 20), {CPoint(60, 20)});
    EXPECT_FLOAT_EQ(slider->getValue(), 0.5f);
    EXPECT_TRUE(edits.begins.empty());
    // Gripped 5 pixels below the handle's top at 60: moving 10 down is a tenth of the travel.
    dragWithRedraw(slider, CPoint(60, 65), {CPoint(60, 65), CPoint(60, 75), CPoint(60, 75)});
    EXPECT_FLOAT_EQ(slider->getValue(), 0.6f);
    EXPECT_EQ(edits.begins, std::vector<int>{11});
}

TEST_F(Sliders, ShiftDragsTenTimesSlowerFromWhereItWasPressed)
{
    CVerticalSlider* slider = vertical();
    // From 0.5, Shift goes down after the first pass: 20 pixels with it give 0.02. Released,
    // the position counts in full again.
    float withShift = 0.0f;
    dragWithRedraw(slider, CPoint(60, 69),
                   {CPoint(60, 69), CPoint(60, 89), CPoint(60, 89), CPoint(60, 99), CPoint(60, 99)},
                   [this, slider, &withShift](int pass) {
                       if (pass == 1)
                           holdKey(InputKey::shift, true);
                       if (pass == 3) {
                           withShift = slider->getValue();
                           holdKey(InputKey::shift, false);
                       }
                   });
    EXPECT_NEAR(withShift, 0.52f, 1e-5f);
    EXPECT_NEAR(slider->getValue(), 0.8f, 1e-5f);
}

TEST_F(Sliders, ControlClickSetsTheDefaultWithoutADrag)
{
    CVerticalSlider* slider = vertical();
    CPoint where(60, 20);
    slider->mouse(context, where, kMouseLeft | kKeyControl);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.5f);
    EXPECT_EQ(editor->passes, 0);
    EXPECT_EQ(edits.begins, std::vector<int>{11});
}

TEST_F(Sliders, WheelAndArrowKeysStepLikeTheKnob)
{
    CVerticalSlider* slider = vertical();
    EXPECT_TRUE(slider->onWheel(context, CPoint(60, 20), 2.0f));
    EXPECT_FLOAT_EQ(slider->getValue(), 0.2f);
    VstKeyCode key = {};
    key.virt = 13;
    key.modifier = 1;
    EXPECT_EQ(slider->onKeyDown(key), 1);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.21f);
    key.virt = 1;
    EXPECT_EQ(slider->onKeyDown(key), -1);
    EXPECT_EQ(edits.begins.size(), 2u);
}

TEST_F(Sliders, HorizontalSliderMovesAlongXAndZeroTravelIgnoresTheMouse)
{
    CPoint handleOffset(0, 0);
    CPoint backgroundOffset(0, 0);
    auto* slider = add(new CHorizontalSlider(CRect(0, 0, 120, 20), &listener, 12, handleOffset, 120, handle, track,
                                             backgroundOffset));
    EXPECT_EQ(handleAt(slider, 1.0f), CRect(100, 0, 120, 20));
    dragWithRedraw(slider, CPoint(59, 10), {CPoint(59, 10)});
    EXPECT_FLOAT_EQ(slider->getValue(), 0.5f);

    auto* stuck = add(new CHorizontalSlider(CRect(0, 0, 20, 20), &listener, 13, handleOffset, 20, handle, track,
                                            backgroundOffset));
    dragWithRedraw(stuck, CPoint(5, 5), {CPoint(5, 5)});
    EXPECT_FLOAT_EQ(stuck->getValue(), 0.0f);
}

TEST_F(Sliders, OffscreenLivesWhileAttached)
{
    fake::calls.clear();
    CVerticalSlider* slider = vertical();
    EXPECT_EQ(std::count(fake::calls.begin(), fake::calls.end(), "offscreen 20x120"), 1);
    slider->remember();
    frame->removeView(slider);
    slider->setValue(0.0f);
    slider->draw(context);
    // Detached it draws directly, at its place in the parent.
    EXPECT_EQ(handle->lastRect(), CRect(50, 10, 70, 30));
    slider->forget();
}
