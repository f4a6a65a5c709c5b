// The bitmap-strip controls: which frame each shows for a value, and their mouse gestures
// fed through the fake platform.
#include "ControlFixture.h"
#include "StripBitmap.h"

#include "controls/CAnimKnob.h"
#include "controls/CAutoAnimation.h"
#include "controls/CMovieBitmap.h"
#include "controls/CMovieButton.h"

#include <cmath>

using namespace VSTGUI;
using platform::InputKey;

namespace {
class StripControls : public ControlFixture {
protected:
    ~StripControls() override
    {
        for (StripBitmap* strip : strips)
            strip->forget();
    }
    StripBitmap* strip(std::int32_t width, std::int32_t height)
    {
        strips.push_back(new StripBitmap(*frame, width, height));
        return strips.back();
    }
    std::int32_t frameShown(CControl* control, float value, std::int32_t frameHeight)
    {
        control->setValue(value);
        control->draw(context);
        return static_cast<StripBitmap*>(control->getBackground())->lastSource().y / frameHeight;
    }
    std::vector<StripBitmap*> strips;
    CPoint origin{0, 0};
};
} // namespace

TEST_F(StripControls, MovieBitmapShowsTheNearestFrameAndClampsItsValue)
{
    auto* movie = add(new CMovieBitmap(CRect(10, 10, 40, 30), &listener, 1, strip(30, 200), origin));
    EXPECT_EQ(frameShown(movie, 0.5f, 20), 5);
    EXPECT_FALSE(movie->isDirty());
    EXPECT_EQ(frameShown(movie, 0.04f, 20), 0);
    EXPECT_EQ(frameShown(movie, 0.06f, 20), 1);
    EXPECT_EQ(frameShown(movie, 1.7f, 20), 9);
    EXPECT_FLOAT_EQ(movie->getValue(), 1.0f);
    EXPECT_EQ(frameShown(movie, -0.3f, 20), 0);
    EXPECT_EQ(frameShown(movie, std::nanf(""), 20), 0);
    EXPECT_TRUE(movie->isTypeOf("CMovieBitmap") && movie->isTypeOf("CControl") && !movie->isTypeOf("CKnob"));
}

TEST_F(StripControls, MovieBitmapWithMoreFramesThanItsBitmapStaysInsideTheStrip)
{
    auto* movie = add(new CMovieBitmap(CRect(10, 10, 40, 30), &listener, 1, 50, 20, strip(30, 200), origin));
    EXPECT_EQ(frameShown(movie, 1.0f, 20), 49);
    auto* empty = add(new CMovieBitmap(CRect(10, 10, 40, 30), &listener, 1, nullptr, origin));
    empty->setValue(0.5f);
    empty->draw(context);
    EXPECT_FALSE(empty->isDirty());
}

TEST_F(StripControls, AnimKnobTruncatesToAFrameAndNeverLeavesTheStrip)
{
    auto* knob = add(new CAnimKnob(CRect(0, 0, 50, 50), &listener, 2, strip(50, 500), origin));
    EXPECT_EQ(frameShown(knob, 0.5f, 50), 4);
    EXPECT_EQ(frameShown(knob, 1.0f, 50), 9);
    EXPECT_EQ(frameShown(knob, 0.0f, 50), 0);
    // Past the end it shows the last frame rather than reading beyond the strip.
    EXPECT_EQ(frameShown(knob, 1.5f, 50), 9);
    knob->setInverseBitmap(true);
    EXPECT_EQ(frameShown(knob, 1.0f, 50), 0);
    EXPECT_EQ(frameShown(knob, 0.0f, 50), 9);
    EXPECT_TRUE(knob->isTypeOf("CAnimKnob") && knob->isTypeOf("CKnob") && knob->isTypeOf("CView"));
    EXPECT_EQ(knob->getInsetValue(), 0);
}

TEST_F(StripControls, AnimKnobWith31FramesShowsFrame15AtTheMiddle)
{
    auto* knob = add(new CAnimKnob(CRect(0, 0, 50, 50), &listener, 2, 31, 50, strip(50, 1550), origin));
    EXPECT_EQ(frameShown(knob, 0.5f, 50), 15);
}

TEST_F(StripControls, AnimKnobChangeTooSmallToMoveTheHandleIsNeitherDirtyNorReported)
{
    auto* knob = add(new CAnimKnob(CRect(0, 0, 50, 50), &listener, 2, strip(50, 500), origin));
    knob->setValue(0.5f);
    knob->draw(context);
    knob->setValue(0.5001f);
    EXPECT_FALSE(knob->isDirty());
    VstKeyCode key = {};
    key.virt = 12;
    knob->setWheelInc(0.0001f);
    EXPECT_EQ(knob->onKeyDown(key), 1);
    EXPECT_TRUE(listener.values.empty());
    EXPECT_TRUE(edits.begins.empty());
    knob->setValue(0.6f);
    EXPECT_TRUE(knob->isDirty());
}

TEST_F(StripControls, MovieButtonTogglesOnReleaseInsideAndRestoresOutside)
{
    auto* button = add(new CMovieButton(CRect(100, 100, 140, 120), &listener, 4, strip(40, 40), origin));
    dragWithRedraw(button, CPoint(110, 110), {CPoint(110, 110), CPoint(115, 112)});
    EXPECT_FLOAT_EQ(button->getValue(), 1.0f);
    EXPECT_EQ(edits.begins, std::vector<int>{4});
    EXPECT_EQ(edits.ends, std::vector<int>{4});
    button->draw(context);
    EXPECT_EQ(static_cast<StripBitmap*>(button->getBackground())->lastSource(), CPoint(0, 20));

    listener.values.clear();
    dragWithRedraw(button, CPoint(110, 110), {CPoint(110, 110), CPoint(200, 200), CPoint(200, 200)});
    EXPECT_FLOAT_EQ(button->getValue(), 1.0f);
    EXPECT_EQ(listener.values, (std::vector<float>{0.0f, 1.0f}));
}

TEST_F(StripControls, MovieButtonGestureEndsWhenShiftIsPressed)
{
    auto* button = add(new CMovieButton(CRect(100, 100, 140, 120), &listener, 4, strip(40, 40), origin));
    dragWithRedraw(button, CPoint(110, 110), {CPoint(110, 110), CPoint(110, 110), CPoint(110, 110), CPoint(110, 110)},
         [this](int pass) {
             if (pass == 1)
                 holdKey(InputKey::shift, true);
         });
    EXPECT_EQ(editor->passes, 1);
    EXPECT_EQ(edits.ends.size(), 1u);
}

TEST_F(StripControls, MovieButtonQuickClickTogglesAndReports)
{
    auto* button = add(new CMovieButton(CRect(100, 100, 140, 120), &listener, 4, strip(40, 40), origin));
    button->setValue(0.3f);
    CPoint where(110, 110);
    button->mouse(context, where, kMouseLeft);
    EXPECT_FLOAT_EQ(button->getValue(), 0.0f);
    EXPECT_EQ(listener.values, std::vector<float>{0.0f});
}

TEST_F(StripControls, AutoAnimationOpensWithNotificationAndClosesSilently)
{
    auto* animation = add(new CAutoAnimation(CRect(0, 0, 30, 10), &listener, 5, strip(30, 40), origin));
    auto* bitmap = static_cast<StripBitmap*>(animation->getBackground());
    animation->draw(context);
    EXPECT_EQ(bitmap->drawCount(), 0u);
    CPoint where(5, 5);
    animation->mouse(context, where, kMouseLeft);
    EXPECT_TRUE(animation->isWindowOpened());
    EXPECT_EQ(listener.values.size(), 1u);
    animation->nextPixmap();
    animation->nextPixmap();
    animation->nextPixmap();
    EXPECT_FLOAT_EQ(animation->getValue(), 30.0f);
    animation->draw(context);
    EXPECT_EQ(bitmap->lastSource(), CPoint(0, 30));
    animation->nextPixmap();
    EXPECT_FLOAT_EQ(animation->getValue(), 0.0f);
    animation->previousPixmap();
    EXPECT_FLOAT_EQ(animation->getValue(), 30.0f);
    // A value off the strip shows its last frame.
    animation->setValue(400.0f);
    animation->draw(context);
    EXPECT_EQ(bitmap->lastSource(), CPoint(0, 30));
    animation->mouse(context, where, kMouseLeft);
    EXPECT_FALSE(animation->isWindowOpened());
    EXPECT_FLOAT_EQ(animation->getValue(), 0.0f);
    EXPECT_EQ(listener.values.size(), 1u);
    EXPECT_TRUE(edits.begins.empty());
}
