// The tab view: the buttons' places along each edge and after alignment, selection by click
// and by index, and removal of tabs (current, first, all) leaving a consistent view whose
// content views and buttons are released.
#include "ControlFixture.h"

#include "containers/CTabButton.h"
#include "containers/CTabView.h"
#include "controls/COnOffButton.h"

#include <string>

using namespace VSTGUI;

namespace {
// Counts its live instances, so a test sees every content view released.
class CountedView : public CView {
public:
    explicit CountedView(int& live_) : CView(CRect(0, 20, 300, 200)), live(live_) { ++live; }
    ~CountedView() override { --live; }

private:
    int& live;
};

CRect viewSizeOf(const CView* view)
{
    CRect rect;
    return view->getViewSize(rect);
}

class TabViews : public ControlFixture {
protected:
    // 300 × 200 at (10, 10) of the frame, 100 × 40 tab pictures (buttons 100 × 20).
    CTabView* tabView(std::int32_t position = kTabPositionTop, std::int32_t tabs = 3)
    {
        auto* view = add(new CTabView(CRect(10, 10, 310, 210), frame, CRect(0, 0, 100, 40), nullptr, position));
        for (std::int32_t index = 0; index < tabs; ++index) {
            contents.push_back(new CountedView(live));
            view->addTab(contents.back(), ("Tab " + std::to_string(index)).c_str());
        }
        return view;
    }
    // The only content child of the view, or null: checks no other tab's view is a child.
    CView* shownContent(CTabView* view)
    {
        CView* shown = nullptr;
        int count = 0;
        for (CView* content : contents)
            if (view->isChild(content)) {
                shown = content;
                ++count;
            }
        EXPECT_LE(count, 1) << "more than one tab shown";
        return shown;
    }
    // True when exactly the current tab's button is on.
    bool buttonsFollowSelection(CTabView* view)
    {
        for (std::int32_t index = 0; index < view->getNbTabs(); ++index) {
            const bool on = view->getTabButton(index)->getValue() != 0.0f;
            if (on != (index == view->getCurrentTabIndex()))
                return false;
        }
        return true;
    }
    void clickButton(CTabView* view, std::int32_t index)
    {
        CRect rect = viewSizeOf(view->getTabButton(index));
        CPoint inFrame(rect.left + 10 + 5, rect.top + 10 + 5);
        frame->mouse(context, inFrame, kMouseLeft);
    }
    int live = 0;
    std::vector<CView*> contents;
};
} // namespace

TEST_F(TabViews, ButtonsLineUpAlongTheirEdge)
{
    EXPECT_EQ(viewSizeOf(tabView(kTabPositionTop)->getTabButton(2)), CRect(200, 0, 300, 20));
    EXPECT_EQ(viewSizeOf(tabView(kTabPositionLeft)->getTabButton(2)), CRect(0, 40, 100, 60));
    EXPECT_EQ(viewSizeOf(tabView(kTabPositionRight)->getTabButton(1)), CRect(200, 20, 300, 40));
    EXPECT_EQ(viewSizeOf(tabView(kTabPositionBottom)->getTabButton(1)), CRect(100, 180, 200, 200));
    EXPECT_EQ(viewSizeOf(tabView(7)->getTabButton(2)), CRect(0, 0, 100, 20));
    CRect area;
    tabView(kTabPositionTop, 0)->getTabViewSize(area);
    EXPECT_EQ(area, CRect(0, 20, 300, 200));
    tabView(kTabPositionLeft, 0)->getTabViewSize(area);
    EXPECT_EQ(area, CRect(100, 0, 300, 200));
    tabView(kTabPositionBottom, 0)->getTabViewSize(area);
    EXPECT_EQ(area, CRect(0, 0, 300, 180));
}

TEST_F(TabViews, AlignmentPlacesTheButtonsCentredAtTheStartOrAtTheEnd)
{
    auto* view = add(new CTabView(CRect(0, 0, 400, 100), frame, CRect(0, 0, 100, 40), nullptr, kTabPositionTop));
    for (int index = 0; index < 3; ++index)
        view->addTab(new CView(CRect(0, 20, 400, 100)));
    view->alignTabs(kTabAlignCenter);
    EXPECT_EQ(viewSizeOf(view->getTabButton(0)).left, 50);
    CRect area;
    EXPECT_EQ(view->getTabButton(2)->getMouseableArea(area), CRect(250, 0, 350, 20));
    view->alignTabs(kTabAlignEnd);
    EXPECT_EQ(viewSizeOf(view->getTabButton(0)).left, 100);
    view->alignTabs(kTabAlignStart);
    EXPECT_EQ(viewSizeOf(view->getTabButton(0)).left, 0);
}

TEST_F(TabViews, FirstTabIsCurrentAndClicksSelectEachTabWithItsButtonState)
{
    CTabView* view = tabView();
    EXPECT_EQ(view->getCurrentTabIndex(), 0);
    EXPECT_EQ(shownContent(view), contents[0]);
    EXPECT_TRUE(buttonsFollowSelection(view));
    for (std::int32_t index : {2, 1, 1, 0}) {
        clickButton(view, index);
        EXPECT_EQ(view->getCurrentTabIndex(), index);
        EXPECT_EQ(shownContent(view), contents[index]);
        EXPECT_TRUE(buttonsFollowSelection(view)) << "after a click on tab " << index;
    }
    EXPECT_STREQ(view->getTabButton(1)->getName(), "Tab 1");
}

TEST_F(TabViews, SelectingOutOfRangeOrByAnotherControlChangesNothing)
{
    CTabView* view = tabView();
    view->selectTab(1);
    for (std::int32_t index : {3, -1, 1000000, -2147483647 - 1})
        EXPECT_FALSE(view->selectTab(index));
    COnOffButton stranger(CRect(0, 0, 10, 10), nullptr, 20000, nullptr);
    view->valueChanged(context, &stranger);
    view->valueChanged(context, nullptr);
    EXPECT_EQ(view->getCurrentTabIndex(), 1);
    EXPECT_EQ(shownContent(view), contents[1]);
    EXPECT_TRUE(buttonsFollowSelection(view));
}

TEST_F(TabViews, RemovingTheCurrentTabSelectsThePreviousOrTheNext)
{
    CTabView* view = tabView(kTabPositionTop, 4);
    view->selectTab(2);
    EXPECT_TRUE(view->removeTab(contents[2]));
    EXPECT_EQ(live, 3);
    contents.erase(contents.begin() + 2);
    EXPECT_EQ(shownContent(view), contents[1]);
    EXPECT_TRUE(buttonsFollowSelection(view));
    view->selectTab(0);
    EXPECT_TRUE(view->removeTab(contents[0]));
    contents.erase(contents.begin());
    EXPECT_EQ(shownContent(view), contents[0]);
    EXPECT_EQ(view->getNbTabs(), 2);
    EXPECT_TRUE(buttonsFollowSelection(view));
    EXPECT_FALSE(view->removeTab(nullptr));
    CView stranger(CRect(0, 0, 1, 1));
    EXPECT_FALSE(view->removeTab(&stranger));
}

TEST_F(TabViews, AfterRemovalButtonsCloseUpAndEachSelectsItsOwnTab)
{
    CTabView* view = tabView(kTabPositionTop, 3);
    view->removeTab(contents[0]);
    contents.erase(contents.begin());
    EXPECT_EQ(viewSizeOf(view->getTabButton(0)), CRect(0, 0, 100, 20));
    EXPECT_EQ(viewSizeOf(view->getTabButton(1)), CRect(100, 0, 200, 20));
    contents.push_back(new CountedView(live));
    view->addTab(contents.back(), "Later");
    EXPECT_EQ(viewSizeOf(view->getTabButton(2)), CRect(200, 0, 300, 20));
    EXPECT_TRUE(view->selectTab(0));
    EXPECT_EQ(shownContent(view), contents[0]) << "the former second tab";
    // The last button still carries the tag of the third of the old list.
    for (std::int32_t index : {1, 2, 0}) {
        clickButton(view, index);
        EXPECT_EQ(view->getCurrentTabIndex(), index);
        EXPECT_EQ(shownContent(view), contents[index]);
        EXPECT_TRUE(buttonsFollowSelection(view));
    }
}

TEST_F(TabViews, RemovingAllTabsLeavesAnEmptyViewThatTakesNewTabs)
{
    CTabView* view = tabView(kTabPositionLeft, 3);
    view->selectTab(1);
    EXPECT_TRUE(view->removeAllTabs());
    EXPECT_EQ(live, 0);
    EXPECT_EQ(view->getNbTabs(), 0);
    EXPECT_EQ(view->getNbViews(), 0);
    EXPECT_EQ(view->getCurrentTabIndex(), -1);
    EXPECT_FALSE(view->selectTab(0));
    EXPECT_TRUE(view->removeAllTabs());
    frame->draw(context);
    contents.assign(1, new CountedView(live));
    EXPECT_TRUE(view->addTab(contents[0], nullptr));
    EXPECT_EQ(shownContent(view), contents[0]);
    EXPECT_EQ(viewSizeOf(view->getTabButton(0)), CRect(0, 0, 100, 20));
    EXPECT_FALSE(view->addTab(nullptr, "none"));
}

TEST_F(TabViews, DestroyingTheViewReleasesEveryTabAndButton)
{
    CTabView* view = tabView(kTabPositionTop, 3);
    CTabButton* button = view->getTabButton(1);
    button->remember();
    view->selectTab(2);
    frame->removeView(view, true);
    EXPECT_EQ(live, 0);
    EXPECT_EQ(button->getNbReference(), 1) << "only the test's own reference is left";
    button->forget();
}

TEST_F(TabViews, ButtonsDrawTheirNameInTheColourOfTheirState)
{
    CTabView* view = tabView();
    view->setTabFontStyle(kFontSmall, 10, CColor{255, 0, 0, 255}, CColor{0, 0, 255, 255});
    fake::calls.clear();
    view->getTabButton(0)->draw(context);
    view->getTabButton(1)->draw(context);
    std::string drawn;
    for (const std::string& call : fake::calls)
        drawn += call + "\n";
    EXPECT_NE(drawn.find("text \"Tab 0\""), std::string::npos) << drawn;
    EXPECT_NE(drawn.find("textColor 0000ff"), std::string::npos) << drawn;
    EXPECT_NE(drawn.find("textColor ff0000"), std::string::npos) << drawn;
}
