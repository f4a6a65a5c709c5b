// The gallery's editor in a test host window, and where its bitmap controls are on the screen:
// the places come from the page's own layout, moved by the page's origin in the frame, so the
// tests follow the layout wherever the page goes.
#pragma once

#include "CColor.h"
#include "GalleryLayout.h"
#include "pages/BitmapControlsPage.h"
#include "PanelHost.h"

#include <gtest/gtest.h>

#include <vector>

namespace gallerytest {

// Editor coordinates of the control's rectangle.
RECT placeOf(gallery::Parameter control);
// A point of the control, in editor coordinates, given from the control's top-left corner.
POINT pointOf(gallery::Parameter control, int x, int y);
POINT centreOf(gallery::Parameter control);
// Editor coordinates of the view that shows what is dropped on the page.
RECT dropArea();

// The flat probe patch the artwork puts at the centre of frame k of every strip.
VSTGUI::CColor probeColour(int frame);
// The colour the artwork has, but for the rounding of its drawing: every opaque channel may be
// a step darker.
::testing::AssertionResult looksLike(VSTGUI::CColor shown, VSTGUI::CColor expected);
// The slider images: the handle is one flat colour, the track another beside its centre line.
VSTGUI::CColor sliderHandleColour();
VSTGUI::CColor sliderTrackColour();
constexpr int kSliderHandleLength = 16;
constexpr int kSliderTravel = 112;

// The gallery's editor in a host window of its size, showing the page of bitmap controls.
class GalleryScreen : public PanelHost {
public:
    GalleryScreen();

    VSTGUI::CColor pixelOfControl(gallery::Parameter control, int x, int y) const;
    VSTGUI::CColor probeOf(gallery::Parameter control) const;
    // Sets the parameter as a host's automation does and lets the editor's idle show it.
    void automate(gallery::Parameter control, float value);
    float parameter(gallery::Parameter control) { return host().getParameter(control); }
    POINT screenPoint(gallery::Parameter control, int x, int y) const { return toScreen(pointOf(control, x, y)); }
};

} // namespace gallerytest
