// What each bitmap control of the gallery shows after the editor opens and after the host
// changes its parameter at the bounds and the middle: the strip frame its value selects (read
// from the probe patch each frame of the artwork carries), the sliders' handle at its place.
#include "GalleryScreen.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace gallery;
using namespace gallerytest;

namespace {
::testing::AssertionResult showsFrame(const GalleryScreen& screen, Parameter control, int frame)
{
    return looksLike(screen.probeOf(control), probeColour(frame)) << " (" << kParameterNames[control]
                                                                    << ", frame " << frame << ")";
}

// The handle's first pixel along the track for a parameter; the vertical slider has 0 at the bottom.
int handleStart(Parameter slider, float parameter)
{
    const float alongTrack = slider == kVerticalSlider ? 1.0f - parameter : parameter;
    return static_cast<int>(alongTrack * kSliderTravel);
}

::testing::AssertionResult handleAt(const GalleryScreen& screen, Parameter slider, float parameter)
{
    const int start = handleStart(slider, parameter);
    const bool horizontal = slider == kHorizontalSlider;
    // Across the track, away from its centre line.
    const int across = 3;
    const int middle = start + kSliderHandleLength / 2;
    const int beside = start >= kSliderTravel / 2 ? start - 4 : start + kSliderHandleLength + 3;
    const auto at = [&](int along) {
        return horizontal ? screen.pixelOfControl(slider, along, across) : screen.pixelOfControl(slider, across, along);
    };
    if (!looksLike(at(middle), sliderHandleColour()))
        return ::testing::AssertionFailure() << kParameterNames[slider] << ": no handle at " << middle;
    if (!looksLike(at(beside), sliderTrackColour()))
        return ::testing::AssertionFailure() << kParameterNames[slider] << ": no track at " << beside;
    return ::testing::AssertionSuccess();
}

struct StripFrames {
    Parameter control;
    int atZero;
    int atHalf;
    int atOne;
};

// The frame each strip control selects for the parameter values 0, 0.5 and 1.
constexpr StripFrames kStripFrames[] = {
    {kAnimKnob, 0, 15, 30},        // 31 frames, the value truncated
    {kMovieBitmap, 0, 5, 9},       // 10 frames, the value rounded
    {kMovieButton, 0, 1, 1},       // any value but 0 shows the second frame
    {kAutoAnimation, 0, -1, 7},    // the value is a pixel offset; 0.5 lies between frames
    {kOnOffButton, 0, 1, 1},       //
    {kKickButton, 0, 1, 1},        //
    {kVerticalSwitch, 0, 2, 3},    // 4 positions, rounded
    {kHorizontalSwitch, 0, 1, 2},  // 3 positions
    {kRockerSwitch, 0, 1, 2},      // parameter 0, 0.5, 1 mean -1, 0, +1
};

void expectFramesFor(const GalleryScreen& screen, float parameter)
{
    for (const StripFrames& strip : kStripFrames) {
        const int frame = parameter == 0.0f ? strip.atZero : parameter == 1.0f ? strip.atOne : strip.atHalf;
        if (frame >= 0) {
            EXPECT_TRUE(showsFrame(screen, strip.control, frame)) << "at " << parameter;
        }
    }
    EXPECT_TRUE(handleAt(screen, kHorizontalSlider, parameter)) << "at " << parameter;
    EXPECT_TRUE(handleAt(screen, kVerticalSlider, parameter)) << "at " << parameter;
}

class GalleryPicture : public ::testing::Test {
protected:
    GalleryScreen screen;
};
} // namespace

TEST_F(GalleryPicture, OpenShowsTheFramesOfTheParametersTheHostSet)
{
    for (int control = kAnimKnob; control <= kVerticalSlider; ++control)
        screen.host().setParameter(control, 1.0f);
    ASSERT_TRUE(screen.openEditor());
    expectFramesFor(screen, 1.0f);
}

TEST_F(GalleryPicture, HostChangesMoveEveryControlToItsFrameAtTheNextIdle)
{
    ASSERT_TRUE(screen.openEditor());
    expectFramesFor(screen, 0.0f);
    for (const float parameter : {0.5f, 1.0f, 0.0f}) {
        for (int control = kAnimKnob; control <= kVerticalSlider; ++control)
            screen.host().setParameter(control, parameter);
        screen.idle();
        expectFramesFor(screen, parameter);
    }
}

// At half its range the animation stands at pixel 168 of its strip: frame 3's probe shows in
// its first rows, frame 4's top edge at its centre.
TEST_F(GalleryPicture, TheAnimationScrollsItsStripByThePixel)
{
    ASSERT_TRUE(screen.openEditor());
    screen.automate(kAutoAnimation, 0.5f);
    const POINT centre = centreOf(kAutoAnimation);
    const RECT place = placeOf(kAutoAnimation);
    EXPECT_TRUE(looksLike(screen.pixel(centre.x, place.top + 1), probeColour(3)));
    EXPECT_FALSE(looksLike(screen.pixel(centre.x, centre.y), probeColour(3)));
    screen.automate(kAutoAnimation, 3.0f / 7.0f);
    EXPECT_TRUE(showsFrame(screen, kAutoAnimation, 3));
}
