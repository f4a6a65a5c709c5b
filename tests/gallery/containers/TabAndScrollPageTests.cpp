// The gallery's tab view and its scroll page through the built plug-in, with real input:
// each tab shows its page only and the Page parameter follows as an edit (and the tab follows
// the host's changes); wheel and drags scroll the page's content, clicks reach the button that
// is there after scrolling and it redraws there.
#include "GalleryLayout.h"
#include "pages/ScrollPage.h"
#include "PanelHost.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace gallery;
using VSTGUI::CColor;

namespace {
// tools/artwork/make_gallery_artwork.py: the tab pictures' probe strips and the lamp of onoff.png.
constexpr CColor kTabUnselected = {64, 66, 80, 255};
constexpr CColor kTabSelected = {214, 176, 64, 255};
constexpr CColor kLampOff = {90, 40, 30, 255};
constexpr CColor kLampOn = {240, 90, 60, 255};
constexpr CColor kScrollerBlue = {0, 0, 255, 255};
constexpr int kTabWidth = 96;
constexpr POINT kLampInButton = {5, 12};
// The scroll view's bars, in editor coordinates while the scroll position is 0.
constexpr POINT kVerticalScrollerMiddle = {kPageLeft + 20 + 572, kPageTop + 40 + 76};
constexpr POINT kHorizontalScrollerMiddle = {kPageLeft + 20 + 144, kPageTop + 40 + 372};
// The scroll container's size and the scroller travel of each bar.
constexpr int kVisibleWidth = 580 - kScrollBarWidth;
constexpr int kVisibleHeight = 380 - kScrollBarWidth;
constexpr int kVerticalTravel = 361 - 148;
constexpr int kHorizontalTravel = 561 - 285;
// The lamp of the bitmap page's on/off button, in editor coordinates.
constexpr POINT kBitmapPageLamp = {kPageLeft + 40 + 5, kPageTop + 190 + 12};

// Alpha blending of the premultiplied images may round a channel by one.
constexpr int kBlendTolerance = 2;

// Where the lamp of a scroll page button is shown, with the content scrolled by (dx, dy).
POINT lampOf(int column, int row, int dx = 0, int dy = 0)
{
    const VSTGUI::CRect place = scrollButtonRect(column, row);
    return {kPageLeft + kScrollViewArea.left + place.left + kLampInButton.x - dx,
            kPageTop + kScrollViewArea.top + place.top + kLampInButton.y - dy};
}

// The pixels a drag of the scroller by distance scrolls the content.
int scrolledBy(int distance, int travel, int overhang)
{
    return static_cast<int>(static_cast<float>(distance) / static_cast<float>(travel) * static_cast<float>(overhang));
}

bool looksLike(CColor shown, CColor expected)
{
    return std::abs(shown.red - expected.red) <= kBlendTolerance && std::abs(shown.green - expected.green) <= kBlendTolerance
           && std::abs(shown.blue - expected.blue) <= kBlendTolerance;
}

::testing::AssertionResult shows(CColor shown, CColor expected)
{
    if (looksLike(shown, expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "shows (" << int(shown.red) << ", " << int(shown.green) << ", "
                                         << int(shown.blue) << "), expected (" << int(expected.red) << ", "
                                         << int(expected.green) << ", " << int(expected.blue) << ")";
}

constexpr SIZE kGallerySize = {kEditorWidth, kEditorHeight};

POINT tabCentre(Page page)
{
    return {page * kTabWidth + kTabWidth / 2, kTabHeight / 2};
}

class GalleryPages : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(gallery.host().effect(), nullptr);
        ASSERT_TRUE(gallery.openEditor());
    }
    void TearDown() override { gallery.closeEditor(); }

    CColor at(POINT point) const { return gallery.pixel(point.x, point.y); }
    // Exactly the tab of page shows the selected picture, and exactly its page is shown.
    void expectShown(Page page)
    {
        for (std::int32_t tab = 0; tab < kPageCount; ++tab)
            EXPECT_TRUE(shows(at({tab * kTabWidth + 5, kTabHeight / 2}), tab == page ? kTabSelected : kTabUnselected))
                << "tab " << tab << " while page " << page << " is chosen";
        const bool scrollShown = looksLike(at(kVerticalScrollerMiddle), kScrollerBlue);
        const CColor lamp = at(kBitmapPageLamp);
        const bool bitmapsShown = looksLike(lamp, kLampOff) || looksLike(lamp, kLampOn);
        EXPECT_EQ(scrollShown, page == kScrollPage);
        EXPECT_EQ(bitmapsShown, page == kBitmapControlsPage);
    }
    void click(POINT editorPoint) { gallery.click(editorPoint); }
    void drag(POINT editorPoint, int dx, int dy)
    {
        gallery.drag(editorPoint, dx, dy);
        gallery.idle();
    }
    // The Page parameter set by the host, shown at the next idle.
    void showPage(Page page)
    {
        gallery.host().setParameter(kPage, pageValue(page));
        gallery.idle();
    }

    PanelHost gallery{kGallerySize};
};
} // namespace

TEST_F(GalleryPages, EachTabClickShowsItsPageOnlyAndEditsThePageParameter)
{
    gallery.takeRequests({});
    expectShown(kBitmapControlsPage);
    for (const Page page : {kScrollPage, kBitmapControlsPage, kScrollPage}) {
        click(tabCentre(page));
        expectShown(page);
        EXPECT_FLOAT_EQ(gallery.host().getParameter(kPage), pageValue(page));
        const auto edits = gallery.takeRequests({audioMasterBeginEdit, audioMasterAutomate, audioMasterEndEdit});
        ASSERT_EQ(edits.size(), 3u) << "page " << page;
        EXPECT_EQ(edits[0].opcode, audioMasterBeginEdit);
        EXPECT_EQ(edits[1].opcode, audioMasterAutomate);
        EXPECT_FLOAT_EQ(edits[1].opt, pageValue(page));
        EXPECT_EQ(edits[2].opcode, audioMasterEndEdit);
        for (const HostRequest& edit : edits)
            EXPECT_EQ(edit.index, kPage);
    }
    click(tabCentre(kScrollPage));
    expectShown(kScrollPage);
    EXPECT_TRUE(gallery.takeRequests({audioMasterBeginEdit, audioMasterEndEdit}).empty())
        << "the current tab stays chosen and edits nothing";
}

TEST_F(GalleryPages, TheTabFollowsTheHostsPageChanges)
{
    for (const Page page : {kScrollPage, kBitmapControlsPage, kScrollPage}) {
        showPage(page);
        expectShown(page);
    }
    EXPECT_TRUE(gallery.takeRequests({audioMasterBeginEdit, audioMasterEndEdit}).empty());
}

TEST_F(GalleryPages, TheWheelScrollsAndAClickReachesTheButtonShownThereWhichRedrawsThere)
{
    showPage(kScrollPage);
    const POINT target = lampOf(0, 1, 0, 80);
    EXPECT_FALSE(looksLike(at(target), kLampOff)) << "before scrolling a button's face is there";
    const POINT screen = gallery.toScreen({300, 200});
    // Three notches towards the user: 3 × 0.05 of the range of 900 - 364 pixels.
    gallery.perform([screen] { performWheel(screen, -3); });
    gallery.idle();
    EXPECT_TRUE(shows(at(target), kLampOff));
    click(target);
    EXPECT_TRUE(shows(at(target), kLampOn)) << "the second row's first button redrew where it is shown";
    EXPECT_FALSE(looksLike(at(lampOf(0, 1)), kLampOn)) << "nothing is drawn where it was before scrolling";
    EXPECT_TRUE(shows(at(lampOf(0, 2, 0, 80)), kLampOff)) << "its neighbour below did not take the click";
}

TEST_F(GalleryPages, TheHorizontalWheelScrollsSideways)
{
    showPage(kScrollPage);
    // Three notches to the right: 3 × 0.05 of the range of 1120 - 564 pixels.
    const POINT target = lampOf(1, 0, 83, 0);
    EXPECT_FALSE(looksLike(at(target), kLampOff)) << "before scrolling no button is there";
    const POINT screen = gallery.toScreen({300, 200});
    gallery.perform([screen] { performHorizontalWheel(screen, 3); });
    gallery.idle();
    EXPECT_TRUE(shows(at(target), kLampOff));
    gallery.perform([screen] { performHorizontalWheel(screen, -3); });
    gallery.idle();
    EXPECT_TRUE(shows(at(lampOf(1, 0)), kLampOff)) << "turning left scrolls back";
}

TEST_F(GalleryPages, DraggingEitherScrollerMovesTheContentByItsShareOfTheOverhang)
{
    showPage(kScrollPage);
    const int dx = scrolledBy(60, kHorizontalTravel, kScrollContent.width() - kVisibleWidth);
    drag(kHorizontalScrollerMiddle, 60, 0);
    EXPECT_TRUE(shows(at(lampOf(1, 0, dx, 0)), kLampOff));
    EXPECT_TRUE(shows(at(lampOf(4, 3, dx, 0)), kLampOff));

    const int dy = scrolledBy(100, kVerticalTravel, kScrollContent.height() - kVisibleHeight);
    drag(kVerticalScrollerMiddle, 0, 100);
    EXPECT_TRUE(shows(at({kVerticalScrollerMiddle.x, kVerticalScrollerMiddle.y + 100}), kScrollerBlue));
    EXPECT_TRUE(shows(at(lampOf(1, 4, dx, dy)), kLampOff));
    click(lampOf(1, 4, dx, dy));
    EXPECT_TRUE(shows(at(lampOf(1, 4, dx, dy)), kLampOn));
}
