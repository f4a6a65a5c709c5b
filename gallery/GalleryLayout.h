// Where the gallery shows its controls: one entry per control (its parameter, its place and
// its images), the size of the page, and the area left free for a drop-receiving view.
#pragma once

#include "CRect.h"

#include <cstdint>

namespace gallery {

enum Control : std::int32_t {
    kAnimKnob = 0,
    kMovieBitmap,
    kMovieButton,
    kAutoAnimation,
    kOnOffButton,
    kKickButton,
    kVerticalSwitch,
    kHorizontalSwitch,
    kRockerSwitch,
    kHorizontalSlider,
    kVerticalSlider,
    kControlCount
};

// Resource identifiers of gallery/gallery.rc.
enum Image : std::int32_t {
    kBackgroundImage = 200,
    kAnimKnobImage,
    kMovieBitmapImage,
    kMovieButtonImage,
    kAutoAnimationImage,
    kOnOffImage,
    kKickImage,
    kVerticalSwitchImage,
    kHorizontalSwitchImage,
    kRockerImage,
    kHorizontalTrackImage,
    kHorizontalHandleImage,
    kVerticalTrackImage,
    kVerticalHandleImage,
};

constexpr std::int32_t kPageWidth = 620;
constexpr std::int32_t kPageHeight = 440;

// The control's top-left corner on the page; the readout sits under it.
struct Placement {
    const char* name;
    std::int32_t left;
    std::int32_t top;
    std::int32_t width;
    std::int32_t height;
};

constexpr Placement kPlacements[kControlCount] = {
    {"AnimKnob", 40, 50, 48, 48},        {"MovieBmp", 180, 50, 48, 48},     {"MovieBtn", 320, 62, 48, 24},
    {"AutoAnim", 460, 50, 48, 48},       {"OnOff", 40, 190, 48, 24},        {"Kick", 180, 190, 48, 24},
    {"VSwitch", 328, 160, 32, 64},       {"HSwitch", 448, 190, 72, 24},     {"Rocker", 52, 300, 24, 48},
    {"HSlider", 140, 320, 128, 20},      {"VSlider", 310, 270, 20, 128},
};

constexpr std::int32_t kReadoutGap = 4;
constexpr std::int32_t kReadoutWidth = 100;
constexpr std::int32_t kReadoutHeight = 16;

// Left free for a view that shows what is dropped on it.
inline const VSTGUI::CRect kDropArea(400, 300, 600, 380);

inline VSTGUI::CRect controlRect(Control control)
{
    const Placement& p = kPlacements[control];
    return VSTGUI::CRect(p.left, p.top, p.left + p.width, p.top + p.height);
}

// Centred under the control.
inline VSTGUI::CRect readoutRect(Control control)
{
    const Placement& p = kPlacements[control];
    const std::int32_t left = p.left + p.width / 2 - kReadoutWidth / 2;
    const std::int32_t top = p.top + p.height + kReadoutGap;
    return VSTGUI::CRect(left, top, left + kReadoutWidth, top + kReadoutHeight);
}

} // namespace gallery
