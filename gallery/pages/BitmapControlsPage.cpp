#include "BitmapControlsPage.h"

#include "DropReadout.h"
#include "GalleryPage.h"
#include "controls/CAnimKnob.h"
#include "controls/CAutoAnimation.h"
#include "controls/CHorizontalSlider.h"
#include "controls/CHorizontalSwitch.h"
#include "controls/CKickButton.h"
#include "controls/CMovieBitmap.h"
#include "controls/CMovieButton.h"
#include "controls/COnOffButton.h"
#include "controls/CRockerSwitch.h"
#include "controls/CVerticalSlider.h"
#include "controls/CVerticalSwitch.h"

using namespace gallery;
using VSTGUI::CControl;
using VSTGUI::CPoint;

namespace {
// Slider styles: value 0 at the left; value 0 at the bottom.
constexpr std::int32_t kLeftIsZero = 8;
constexpr std::int32_t kBottomIsZero = 16;

void addBound(GalleryPage& page, Parameter parameter, CControl* control)
{
    page.addControl(parameter, control, readoutRect(parameter));
}
} // namespace

void buildBitmapControlsPage(GalleryPage& page)
{
    VSTGUI::CControlListener* listener = page.listener();
    CPoint origin(0, 0);
    CPoint handleStart(0, 0);
    addBound(page, kAnimKnob,
             new VSTGUI::CAnimKnob(controlRect(kAnimKnob), listener, kAnimKnob, page.image(kAnimKnobImage), origin));
    addBound(page, kMovieBitmap,
             new VSTGUI::CMovieBitmap(controlRect(kMovieBitmap), listener, kMovieBitmap,
                                      page.image(kMovieBitmapImage), origin));
    addBound(page, kMovieButton,
             new VSTGUI::CMovieButton(controlRect(kMovieButton), listener, kMovieButton,
                                      page.image(kMovieButtonImage), origin));
    auto* animation = new VSTGUI::CAutoAnimation(controlRect(kAutoAnimation), listener, kAutoAnimation,
                                                 page.image(kAutoAnimationImage), origin);
    animation->setMax(static_cast<float>((kAutoAnimationFrames - 1) * placementOf(kAutoAnimation).height));
    animation->openWindow();
    addBound(page, kAutoAnimation, animation);
    addBound(page, kOnOffButton,
             new VSTGUI::COnOffButton(controlRect(kOnOffButton), listener, kOnOffButton, page.image(kOnOffImage)));
    addBound(page, kKickButton,
             new VSTGUI::CKickButton(controlRect(kKickButton), listener, kKickButton, page.image(kKickImage), origin));
    addBound(page, kVerticalSwitch,
             new VSTGUI::CVerticalSwitch(controlRect(kVerticalSwitch), listener, kVerticalSwitch,
                                         page.image(kVerticalSwitchImage), origin));
    addBound(page, kHorizontalSwitch,
             new VSTGUI::CHorizontalSwitch(controlRect(kHorizontalSwitch), listener, kHorizontalSwitch,
                                           kHorizontalSwitchPositions, placementOf(kHorizontalSwitch).height,
                                           kHorizontalSwitchPositions, page.image(kHorizontalSwitchImage), origin));
    auto* rocker = new VSTGUI::CRockerSwitch(controlRect(kRockerSwitch), listener, kRockerSwitch,
                                             placementOf(kRockerSwitch).height, page.image(kRockerImage), origin, 0);
    rocker->setMin(-1.0f);
    addBound(page, kRockerSwitch, rocker);
    addBound(page, kHorizontalSlider,
             new VSTGUI::CHorizontalSlider(controlRect(kHorizontalSlider), listener, kHorizontalSlider, handleStart,
                                           kSliderLength, page.image(kHorizontalHandleImage),
                                           page.image(kHorizontalTrackImage), origin, kLeftIsZero));
    addBound(page, kVerticalSlider,
             new VSTGUI::CVerticalSlider(controlRect(kVerticalSlider), listener, kVerticalSlider, handleStart,
                                         kSliderLength, page.image(kVerticalHandleImage),
                                         page.image(kVerticalTrackImage), origin, kBottomIsZero));
    page.addView(new DropReadout(kDropArea));
}
