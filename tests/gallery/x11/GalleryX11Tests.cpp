// The gallery plug-in on Linux, loaded by path beside the panel's plug-in, its editor in a
// real X window with real input from the X test extension: a tab click turns the page, a drag
// moves a slider with one edit, and the wheel scrolls the scroll page.
#include "GalleryX11Fixture.h"
#include "pages/BitmapControlsPage.h"
#include "pages/ScrollPage.h"

#include <cstdlib>

using namespace gallery;

namespace {
constexpr unsigned int kWheelDown = 5;
// tools/artwork/make_gallery_artwork.py: the lamp of onoff.png while off, and where it is.
constexpr PanelPixel kLampOff = {90, 40, 30};
constexpr int kLampX = 5;
constexpr int kLampY = 12;
// The slider handle's length along the track in hhandle.png.
constexpr int kSliderHandleLength = 16;
constexpr int kSliderTravel = kSliderLength - kSliderHandleLength;
// Cairo and the premultiplied images may round a channel by a step or two.
constexpr int kTolerance = 3;

bool near(const PanelPixel& shown, const PanelPixel& expected)
{
    return std::abs(shown.red - expected.red) <= kTolerance && std::abs(shown.green - expected.green) <= kTolerance
           && std::abs(shown.blue - expected.blue) <= kTolerance;
}

// Where the lamp of a scroll page button is shown with the content scrolled down by dy.
void lampOf(int column, int row, int dy, int& x, int& y)
{
    const VSTGUI::CRect place = scrollButtonRect(column, row);
    x = kPageLeft + static_cast<int>(kScrollViewArea.left + place.left) + kLampX;
    y = kPageTop + static_cast<int>(kScrollViewArea.top + place.top) + kLampY - dy;
}

} // namespace

TEST_F(X11Gallery, ReportsItsEditorOfTheGallerysSizeInOneChildWindow)
{
    EXPECT_EQ(gallery->effect()->flags & 0x11, 0x11);
    ERect* rect = nullptr;
    ASSERT_EQ(gallery->dispatch(effEditGetRect, 0, 0, &rect), 1);
    EXPECT_EQ(rect->right - rect->left, kEditorWidth);
    EXPECT_EQ(rect->bottom - rect->top, kEditorHeight);
    EXPECT_EQ(gallery->childWindowCount(), 1);
    const Placement& onOff = placementOf(kOnOffButton);
    EXPECT_TRUE(near(gallery->pixel(kPageLeft + onOff.left + kLampX, kPageTop + onOff.top + kLampY), kLampOff))
        << "the gallery shows its own images";

    // The panel's editor beside it, from the library loaded first, keeps its own size.
    X11PanelHost panel(display, panelLibrary);
    ASSERT_TRUE(panel.openEditor());
    ASSERT_EQ(panel.dispatch(effEditGetRect, 0, 0, &rect), 1);
    EXPECT_EQ(rect->right - rect->left, PanelLayout::kWidth);
    EXPECT_EQ(panel.childWindowCount(), 1);
    panel.closeEditor();
}

TEST_F(X11Gallery, ARealDragMovesTheSliderWithOneEditReadBackThroughTheEffect)
{
    const Placement& slider = placementOf(kHorizontalSlider);
    // The handle sits at the left end at 0; half the travel to the right is a half.
    const int y = kPageTop + slider.top + slider.height / 2;
    const int x = kPageLeft + slider.left + kSliderHandleLength / 2;
    drag(x, y, x + kSliderTravel / 2, y);
    EXPECT_NEAR(gallery->parameter(kHorizontalSlider), 0.5f, 0.02f);
    EXPECT_EQ(brackets(), oneEditOf(kHorizontalSlider));
    EXPECT_FLOAT_EQ(gallery->parameter(kVerticalSlider), 0.0f) << "the other slider stays";
}

TEST_F(X11Gallery, ATabClickTurnsThePageAndTheWheelScrollsTheScrollPage)
{
    clickAt(kScrollPage * kTabWidth + kTabWidth / 2, kTabHeight / 2);
    EXPECT_FLOAT_EQ(gallery->parameter(kPage), pageValue(kScrollPage));
    EXPECT_EQ(brackets(), oneEditOf(kPage));
    gallery->idle();

    int x = 0;
    int y = 0;
    lampOf(0, 0, 0, x, y);
    EXPECT_TRUE(near(gallery->pixel(x, y), kLampOff)) << "the scroll page shows its first button";
    // Three notches towards the user: 3 × 0.05 of the overhang of 900 - 364 pixels.
    lampOf(0, 1, 80, x, y);
    EXPECT_FALSE(near(gallery->pixel(x, y), kLampOff)) << "before scrolling the second row is lower";
    FakeInput input;
    input.moveTo(300, 200);
    for (int notch = 0; notch < 3; ++notch)
        input.click(kWheelDown);
    gallery->idle(3);
    EXPECT_TRUE(near(gallery->pixel(x, y), kLampOff)) << "the second row moved up to here";
    EXPECT_FLOAT_EQ(gallery->parameter(kPage), pageValue(kScrollPage));
}
