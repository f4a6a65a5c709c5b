// Index: [SECTION] Life cycle, Page, Values.
#include "GalleryEditor.h"

#include "CBitmap.h"
#include "CFrame.h"
#include "DropReadout.h"
#include "controls/CAnimKnob.h"
#include "controls/CAutoAnimation.h"
#include "controls/CHorizontalSlider.h"
#include "controls/CHorizontalSwitch.h"
#include "controls/CKickButton.h"
#include "controls/CMovieBitmap.h"
#include "controls/CMovieButton.h"
#include "controls/COnOffButton.h"
#include "controls/CParamDisplay.h"
#include "controls/CRockerSwitch.h"
#include "controls/CVerticalSlider.h"
#include "controls/CVerticalSwitch.h"

using namespace gallery;
using VSTGUI::CBitmap;
using VSTGUI::CControl;
using VSTGUI::CPoint;

namespace {
constexpr std::int32_t kAutoAnimationFrames = 8;
constexpr std::int32_t kHorizontalSwitchPositions = 3;
constexpr std::int32_t kSliderLength = 128;
// Slider styles: value 0 at the left; value 0 at the bottom.
constexpr std::int32_t kLeftIsZero = 8;
constexpr std::int32_t kBottomIsZero = 16;
constexpr VSTGUI::CColor kReadoutBack = {36, 38, 46, 255};

float asParameter(const CControl& control)
{
    const float span = control.getMax() - control.getMin();
    return span != 0.0f ? (control.getValue() - control.getMin()) / span : 0.0f;
}

float asValue(const CControl& control, float parameter)
{
    return control.getMin() + parameter * (control.getMax() - control.getMin());
}

// The bitmaps are shared by reference counts: each control takes its own.
class Images {
public:
    CBitmap* operator()(Image id)
    {
        bitmaps[count] = new CBitmap(id);
        return bitmaps[count++];
    }
    ~Images()
    {
        for (std::int32_t i = 0; i < count; ++i)
            bitmaps[i]->forget();
    }

private:
    CBitmap* bitmaps[16] = {};
    std::int32_t count = 0;
};
} // namespace

// [SECTION] Life cycle

GalleryEditor::GalleryEditor(AudioEffect* effect_) : AEffGUIEditor(effect_), background(new CBitmap(kBackgroundImage))
{
    rect.top = 0;
    rect.left = 0;
    rect.bottom = static_cast<std::int16_t>(kPageHeight);
    rect.right = static_cast<std::int16_t>(kPageWidth);
}

GalleryEditor::~GalleryEditor()
{
    destroyFrame();
    background->forget();
}

bool GalleryEditor::open(void* parentWindow)
{
    close();
    if (parentWindow == nullptr || frame != nullptr)
        return false;
    AEffGUIEditor::open(parentWindow);
    frame = new VSTGUI::CFrame(VSTGUI::CRect(0, 0, kPageWidth, kPageHeight), parentWindow, this);
    if (frame->getPlatformWindow() == nullptr) {
        close();
        return false;
    }
    frame->setBackground(background);
    addPageViews();
    return true;
}

void GalleryEditor::close()
{
    closePending = isEditing();
    if (!closePending)
        destroyFrame();
}

void GalleryEditor::destroyFrame()
{
    for (std::int32_t i = 0; i < kControlCount; ++i) {
        controls[i] = nullptr;
        readouts[i] = nullptr;
    }
    if (frame != nullptr) {
        VSTGUI::CFrame* closing = frame;
        frame = nullptr;
        closing->forget();
    }
    AEffGUIEditor::close();
}

void GalleryEditor::idle()
{
    if (closePending && !isEditing() && !inIdleStuff)
        close();
    showHostChanges();
    AEffGUIEditor::idle();
}

// [SECTION] Page

void GalleryEditor::addPageViews()
{
    Images image;
    CPoint origin(0, 0);
    CPoint handleStart(0, 0);
    addControl(kAnimKnob, new VSTGUI::CAnimKnob(controlRect(kAnimKnob), this, kAnimKnob, image(kAnimKnobImage), origin));
    addControl(kMovieBitmap,
               new VSTGUI::CMovieBitmap(controlRect(kMovieBitmap), this, kMovieBitmap, image(kMovieBitmapImage), origin));
    addControl(kMovieButton,
               new VSTGUI::CMovieButton(controlRect(kMovieButton), this, kMovieButton, image(kMovieButtonImage), origin));
    auto* animation = new VSTGUI::CAutoAnimation(controlRect(kAutoAnimation), this, kAutoAnimation,
                                                 image(kAutoAnimationImage), origin);
    animation->setMax(static_cast<float>((kAutoAnimationFrames - 1) * kPlacements[kAutoAnimation].height));
    animation->openWindow();
    addControl(kAutoAnimation, animation);
    addControl(kOnOffButton, new VSTGUI::COnOffButton(controlRect(kOnOffButton), this, kOnOffButton, image(kOnOffImage)));
    addControl(kKickButton, new VSTGUI::CKickButton(controlRect(kKickButton), this, kKickButton, image(kKickImage), origin));
    addControl(kVerticalSwitch, new VSTGUI::CVerticalSwitch(controlRect(kVerticalSwitch), this, kVerticalSwitch,
                                                            image(kVerticalSwitchImage), origin));
    addControl(kHorizontalSwitch,
               new VSTGUI::CHorizontalSwitch(controlRect(kHorizontalSwitch), this, kHorizontalSwitch,
                                             kHorizontalSwitchPositions, kPlacements[kHorizontalSwitch].height,
                                             kHorizontalSwitchPositions, image(kHorizontalSwitchImage), origin));
    auto* rocker = new VSTGUI::CRockerSwitch(controlRect(kRockerSwitch), this, kRockerSwitch,
                                             kPlacements[kRockerSwitch].height, image(kRockerImage), origin, 0);
    rocker->setMin(-1.0f);
    addControl(kRockerSwitch, rocker);
    addControl(kHorizontalSlider,
               new VSTGUI::CHorizontalSlider(controlRect(kHorizontalSlider), this, kHorizontalSlider, handleStart,
                                             kSliderLength, image(kHorizontalHandleImage), image(kHorizontalTrackImage),
                                             origin, kLeftIsZero));
    addControl(kVerticalSlider,
               new VSTGUI::CVerticalSlider(controlRect(kVerticalSlider), this, kVerticalSlider, handleStart,
                                           kSliderLength, image(kVerticalHandleImage), image(kVerticalTrackImage),
                                           origin, kBottomIsZero));
    frame->addView(new DropReadout(kDropArea));
    frame->setDropActive(true);
}

void GalleryEditor::addControl(Control index, CControl* control)
{
    shown[index] = effect->getParameter(index);
    control->setValue(asValue(*control, shown[index]));
    auto* readout = new VSTGUI::CParamDisplay(readoutRect(index));
    readout->setBackColor(kReadoutBack);
    readout->setFrameColor(kReadoutBack);
    readout->setValue(shown[index]);
    controls[index] = control;
    readouts[index] = readout;
    // The frame takes over the first reference of each view.
    frame->addView(control);
    frame->addView(readout);
}

// [SECTION] Values

void GalleryEditor::valueChanged(VSTGUI::CDrawContext* /*context*/, CControl* control)
{
    const std::int32_t tag = control->getTag();
    if (tag < 0 || tag >= kControlCount)
        return;
    effect->setParameter(tag, asParameter(*control));
    shown[tag] = effect->getParameter(tag);
    if (readouts[tag] != nullptr)
        readouts[tag]->setValue(shown[tag]);
}

void GalleryEditor::showHostChanges()
{
    if (frame == nullptr || isEditing())
        return;
    for (std::int32_t i = 0; i < kControlCount; ++i) {
        const float parameter = effect->getParameter(i);
        if (parameter == shown[i] || controls[i] == nullptr)
            continue;
        shown[i] = parameter;
        controls[i]->setValue(asValue(*controls[i], parameter));
        readouts[i]->setValue(parameter);
    }
}
