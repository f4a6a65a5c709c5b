// The gallery's splash screen under real clicks: the trigger shows the overlay over the text
// edit and the meter, the overlay keeps the clicks from the controls under it and from the rest
// of the editor while it is up and outlives the meter's redraws, and the click on it takes it
// down, after which the page is shown and clicked as before.
#include "PageCoordinates.h"
#include "pages/TextAndIndicatorsPage.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace gallery;

namespace {
constexpr VSTGUI::CColor kSplashColour = {236, 120, 36, 255};
// Below the splash artwork's title band.
constexpr int kProbeTop = 80;

bool isSplash(const VSTGUI::CColor& color)
{
    return std::abs(color.red - kSplashColour.red) <= 1 && std::abs(color.green - kSplashColour.green) <= 1
        && std::abs(color.blue - kSplashColour.blue) <= 1;
}

POINT centreOf(const VSTGUI::CRect& area)
{
    return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

class GallerySplash : public ::testing::Test {
protected:
    void SetUp() override
    {
        showPage(page, kTextIndicatorsPage);
        ASSERT_TRUE(page.openEditor());
    }

    // Pixels of the display area below the artwork's title band in the splash colour.
    int splashPixels() const
    {
        int shown = 0;
        for (const VSTGUI::CColor& color : pagePixels(page, kSplashDisplayArea.left, kSplashDisplayArea.top + kProbeTop,
                                                       kSplashDisplayArea.right, kSplashDisplayArea.bottom))
            shown += isSplash(color) ? 1 : 0;
        return shown;
    }
    int probeArea() const { return kSplashDisplayArea.width() * (kSplashDisplayArea.height() - kProbeTop); }
    void clickTheTrigger() { page.click(onEditor(centreOf(kSplashTriggerArea))); }
    POINT onTheEdit() const { return {kTextEditArea.left + 20, centreOf(kTextEditArea).y}; }
    std::vector<VSTGUI::CColor> underTheSplash() const
    {
        return pagePixels(page, kSplashDisplayArea.left, kSplashDisplayArea.top, kSplashDisplayArea.right,
                           kSplashDisplayArea.bottom);
    }
    // As far below the display area as the page lies below the frame's top.
    std::vector<VSTGUI::CColor> belowTheSplash() const
    {
        return pagePixels(page, kSplashDisplayArea.left, kSplashDisplayArea.bottom, kSplashDisplayArea.right,
                           kSplashDisplayArea.bottom + kPageTop);
    }

    PanelHost page{kGalleryEditorSize};
};
} // namespace

TEST_F(GallerySplash, TheOverlayTakesTheClicksWhileShownAndTheClickOnItTakesItDown)
{
    const std::vector<VSTGUI::CColor> pageShown = underTheSplash();
    const std::vector<VSTGUI::CColor> pageBelow = belowTheSplash();
    ASSERT_EQ(splashPixels(), 0);

    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        clickTheTrigger();
        EXPECT_EQ(splashPixels(), probeArea()) << "the overlay covers its display area";

        // The meter under the overlay redraws with every idle that has a new level.
        page.playLevel(1.0f);
        page.idle();
        EXPECT_EQ(splashPixels(), probeArea()) << "the meter drew over the overlay";
        EXPECT_EQ(belowTheSplash(), pageBelow) << "the splash control drew its image off the display area";

        // A click beside the overlay is dropped: the Bitmaps tab does not change the page.
        const float pageValueShown = page.host().getParameter(kPage);
        page.click({kPageLeft + 8, kTabHeight / 2});
        EXPECT_EQ(page.host().getParameter(kPage), pageValueShown);
        clickTheTrigger();
        EXPECT_EQ(splashPixels(), probeArea()) << "the trigger under a shown splash does nothing";

        // The click on the overlay over the text edit takes the overlay down and opens no field.
        page.click(onEditor(onTheEdit()));
        EXPECT_EQ(page.textField(), nullptr);
        page.playLevel(0.0f);
        for (int fall = 0; fall < 12; ++fall)
            page.idle(1);
        EXPECT_EQ(underTheSplash(), pageShown) << "the page is back";
    }

    // No modal view is left: the text edit takes its click again.
    page.click(onEditor(onTheEdit()));
    EXPECT_NE(page.textField(), nullptr);
}

TEST_F(GallerySplash, ClosingAndReopeningTheEditorWithTheSplashShownStartsWithoutIt)
{
    const std::vector<VSTGUI::CColor> pageShown = underTheSplash();
    clickTheTrigger();
    ASSERT_EQ(splashPixels(), probeArea());
    page.closeEditor();
    ASSERT_TRUE(page.openEditor());
    EXPECT_EQ(underTheSplash(), pageShown);
    page.click(onEditor(onTheEdit()));
    EXPECT_NE(page.textField(), nullptr);
}
