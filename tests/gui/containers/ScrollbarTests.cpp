// The scroll bar on its own: the scroller's length and place, dragging it, paging in the
// track, the wheel, and bars whose content fits or is empty.
#include "ControlFixture.h"

#include "containers/CScrollbar.h"

#include <algorithm>

using namespace VSTGUI;
using platform::InputKey;

namespace {
class Scrollbars : public ControlFixture {
protected:
    CScrollbar* verticalBar(CRect content, CRect size = CRect(0, 0, 16, 100))
    {
        return add(new CScrollbar(size, &listener, 1, kScrollbarVertical, content));
    }
};
} // namespace

TEST_F(Scrollbars, ScrollerLengthIsTheVisibleShareOfTheContent)
{
    EXPECT_EQ(verticalBar(CRect(0, 0, 300, 400))->getScrollerLength(), 25);
    EXPECT_EQ(verticalBar(CRect(0, 0, 300, 200))->getScrollerLength(), 50);
    auto* horizontal = add(new CScrollbar(CRect(0, 0, 150, 16), &listener, 0, kScrollbarHorizontal, CRect(0, 0, 600, 50)));
    EXPECT_EQ(horizontal->getScrollerLength(), 37);
    horizontal->setScrollSize(CRect(0, 0, 300, 50));
    EXPECT_EQ(horizontal->getScrollerLength(), 75);
    EXPECT_TRUE(horizontal->isDirty());
}

TEST_F(Scrollbars, ScrollerRunsAlongTheTrackWithTheValue)
{
    auto* bar = verticalBar(CRect(0, 0, 300, 400));
    EXPECT_EQ(bar->getScrollerRect(), CRect(2, 2, 14, 27));
    bar->setValue(1.0f);
    EXPECT_EQ(bar->getScrollerRect(), CRect(2, 73, 14, 98));
    bar->setValue(0.5f);
    EXPECT_EQ(bar->getScrollerRect(), CRect(2, 37, 14, 62));
}

TEST_F(Scrollbars, ContentThatFitsOrIsEmptyShowsNoScrollerAndIgnoresClicks)
{
    for (const CRect content : {CRect(0, 0, 10, 100), CRect(0, 0, 10, 60), CRect(0, 0, 0, 0), CRect(0, 50, 0, 0)}) {
        auto* bar = verticalBar(content);
        EXPECT_EQ(bar->getScrollerLength(), 0);
        fake::calls.clear();
        bar->draw(context);
        int rectangles = 0;
        for (const std::string& call : fake::calls)
            rectangles += call.rfind("fillRect", 0) == 0 ? 1 : 0;
        EXPECT_EQ(rectangles, 1) << "only the track is drawn";
        CPoint inTrack(8, 50);
        holdKey(InputKey::physicalLeftButton, true);
        bar->mouse(context, inTrack, kMouseLeft);
        holdKey(InputKey::physicalLeftButton, false);
        EXPECT_TRUE(listener.values.empty());
        EXPECT_EQ(editor->passes, 0);
    }
}

TEST_F(Scrollbars, DraggingTheScrollerMovesTheValueAndPinsItAtBothEnds)
{
    auto* bar = verticalBar(CRect(0, 0, 300, 400));
    // The scroller starts at the track's top (2) and can travel 96 - 25 = 71 pixels.
    const CPoint down(8, 10);
    const CPoint moved(8, 44);
    const CPoint far(8, 300);
    drag(bar, down, {down, moved, moved, moved, moved, far, far, far, far});
    ASSERT_FALSE(listener.values.empty());
    EXPECT_NE(std::find(listener.values.begin(), listener.values.end(), 34.0f / 71.0f), listener.values.end());
    EXPECT_FLOAT_EQ(listener.values.back(), 1.0f);
    listener.values.clear();
    const CPoint onScrollerAtEnd(8, 90);
    const CPoint above(8, -200);
    drag(bar, onScrollerAtEnd, {onScrollerAtEnd, above, above, above, above});
    ASSERT_FALSE(listener.values.empty());
    EXPECT_FLOAT_EQ(listener.values.back(), 0.0f);
}

TEST_F(Scrollbars, ScrollerAsLongAsTheTrackCannotBeDraggedIntoNonsense)
{
    auto* bar = verticalBar(CRect(0, 0, 10, 101));
    ASSERT_GE(bar->getScrollerLength(), bar->getScrollerArea().height());
    drag(bar, CPoint(8, 10), {CPoint(8, 10), CPoint(8, 50)});
    EXPECT_TRUE(listener.values.empty());
    EXPECT_FLOAT_EQ(bar->getValue(), 0.0f);
    bar->setValue(1.0f);
    EXPECT_EQ(bar->getScrollerRect().top, bar->getScrollerArea().top);
}

TEST_F(Scrollbars, HoldingTheMouseInTheTrackPagesEvery100MsUntilTheScrollerReachesThePointer)
{
    fake::input.tickStep = 10;
    auto* bar = verticalBar(CRect(0, 0, 300, 400));
    holdKey(InputKey::physicalLeftButton, true);
    editor->onIdle = [this](int pass) {
        if (pass >= 500)
            holdKey(InputKey::physicalLeftButton, false);
    };
    CPoint click(8, 80);
    bar->mouse(context, click, kMouseLeft);
    // The page is 25/96 of the range; the scroller covers y = 80 after three pages.
    ASSERT_EQ(listener.values.size(), 3u);
    EXPECT_FLOAT_EQ(listener.values[0], 25.0f / 96.0f);
    EXPECT_NEAR(listener.values[2], 75.0f / 96.0f, 1e-6f);
    EXPECT_TRUE(bar->getScrollerRect().insideWithEdges(click));
    EXPECT_LT(editor->passes, 500) << "the loop stopped at the pointer, not at the release";
}

TEST_F(Scrollbars, WheelStepsByTheIncrementAndATenthWithShift)
{
    auto* bar = verticalBar(CRect(0, 0, 300, 400));
    bar->setValue(0.5f);
    const CPoint where(8, 50);
    EXPECT_TRUE(bar->onWheel(context, where, 1.0f));
    EXPECT_NEAR(bar->getValue(), 0.45f, 1e-6f);
    holdKey(InputKey::shift, true);
    EXPECT_TRUE(bar->onWheel(context, where, 1.0f));
    EXPECT_NEAR(bar->getValue(), 0.445f, 1e-6f);
    holdKey(InputKey::shift, false);
    EXPECT_TRUE(bar->onWheel(context, where, -100.0f));
    EXPECT_FLOAT_EQ(bar->getValue(), 1.0f);
    auto* horizontal = add(new CScrollbar(CRect(0, 0, 100, 16), &listener, 0, kScrollbarHorizontal, CRect(0, 0, 400, 9)));
    EXPECT_TRUE(horizontal->onWheel(context, where, -1.0f));
    EXPECT_NEAR(horizontal->getValue(), 0.0f, 1e-6f);
    EXPECT_TRUE(horizontal->onWheel(context, where, 1.0f));
    EXPECT_NEAR(horizontal->getValue(), 0.05f, 1e-6f);
    horizontal->setMouseEnabled(false);
    EXPECT_FALSE(horizontal->onWheel(context, where, 1.0f));
}
