// The page of bitmap controls: knobs and movies, buttons and switches, sliders, and a view
// that shows what is dropped on it. Page-local coordinates.
#pragma once

#include "CRect.h"
#include "GalleryLayout.h"

class GalleryPage;

namespace gallery {

// The control's top-left corner and size; its readout sits centred under it.
struct Placement {
    std::int32_t left;
    std::int32_t top;
    std::int32_t width;
    std::int32_t height;
};

// Indexed from kAnimKnob, in the order of the parameters.
constexpr Placement kBitmapPlacements[] = {
    {40, 50, 48, 48},   {180, 50, 48, 48},  {320, 62, 48, 24},  {460, 50, 48, 48},
    {40, 190, 48, 24},  {180, 190, 48, 24}, {328, 160, 32, 64}, {448, 190, 72, 24},
    {52, 300, 24, 48},  {140, 320, 128, 20}, {310, 270, 20, 128},
};
static_assert(sizeof(kBitmapPlacements) / sizeof(kBitmapPlacements[0]) == kVerticalSlider - kAnimKnob + 1,
              "one placement per bitmap control");

constexpr std::int32_t kAutoAnimationFrames = 8;
constexpr std::int32_t kHorizontalSwitchPositions = 3;
constexpr std::int32_t kSliderLength = 128;

// Left free for a view that shows what is dropped on it.
inline const VSTGUI::CRect kDropArea(400, 300, 600, 380);

inline const Placement& placementOf(Parameter control)
{
    return kBitmapPlacements[control - kAnimKnob];
}

inline VSTGUI::CRect controlRect(Parameter control)
{
    const Placement& p = placementOf(control);
    return VSTGUI::CRect(p.left, p.top, p.left + p.width, p.top + p.height);
}

inline VSTGUI::CRect readoutRect(Parameter control)
{
    const Placement& p = placementOf(control);
    const std::int32_t left = p.left + p.width / 2 - kReadoutWidth / 2;
    const std::int32_t top = p.top + p.height + kReadoutGap;
    return VSTGUI::CRect(left, top, left + kReadoutWidth, top + kReadoutHeight);
}

} // namespace gallery

void buildBitmapControlsPage(GalleryPage& page);
