#include "GalleryScreen.h"

namespace gallerytest {
namespace {
constexpr POINT kPageOrigin = {gallery::kPageLeft, gallery::kPageTop};

RECT onThePage(const VSTGUI::CRect& place)
{
    return {static_cast<LONG>(place.left) + kPageOrigin.x, static_cast<LONG>(place.top) + kPageOrigin.y,
            static_cast<LONG>(place.right) + kPageOrigin.x, static_cast<LONG>(place.bottom) + kPageOrigin.y};
}
} // namespace

RECT placeOf(gallery::Parameter control)
{
    return onThePage(gallery::controlRect(control));
}

RECT dropArea()
{
    return onThePage(gallery::kDropArea);
}

POINT pointOf(gallery::Parameter control, int x, int y)
{
    const RECT place = placeOf(control);
    return {place.left + x, place.top + y};
}

POINT centreOf(gallery::Parameter control)
{
    const RECT place = placeOf(control);
    return {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
}

VSTGUI::CColor probeColour(int frame)
{
    return {static_cast<std::uint8_t>(30 + 7 * frame), 90, static_cast<std::uint8_t>(160 + (frame % 2) * 40), 255};
}

::testing::AssertionResult looksLike(VSTGUI::CColor shown, VSTGUI::CColor expected)
{
    const auto within = [](int a, int b) { return a - b <= 2 && b - a <= 2; };
    if (within(shown.red, expected.red) && within(shown.green, expected.green) && within(shown.blue, expected.blue))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "shows " << int(shown.red) << "," << int(shown.green) << ","
                                         << int(shown.blue) << " instead of " << int(expected.red) << ","
                                         << int(expected.green) << "," << int(expected.blue);
}

VSTGUI::CColor sliderHandleColour()
{
    return {250, 206, 40, 255};
}

VSTGUI::CColor sliderTrackColour()
{
    return {44, 46, 58, 255};
}

GalleryScreen::GalleryScreen() : PanelHost({gallery::kEditorWidth, gallery::kEditorHeight})
{
    host().setParameter(gallery::kPage, gallery::pageValue(gallery::kBitmapControlsPage));
}

VSTGUI::CColor GalleryScreen::pixelOfControl(gallery::Parameter control, int x, int y) const
{
    const POINT point = pointOf(control, x, y);
    return pixel(point.x, point.y);
}

VSTGUI::CColor GalleryScreen::probeOf(gallery::Parameter control) const
{
    const POINT centre = centreOf(control);
    return pixel(centre.x, centre.y);
}

void GalleryScreen::automate(gallery::Parameter control, float value)
{
    host().setParameter(control, value);
    idle();
}

} // namespace gallerytest
