// The scroll view in a frame: its bars' places, the offset the bars set, children's
// rectangles and mouse areas moving with it, clicks and redraws that follow the content,
// and content that fits the view.
#include "ControlFixture.h"

#include "containers/CScrollContainer.h"
#include "containers/CScrollView.h"
#include "containers/CScrollbar.h"
#include "controls/COnOffButton.h"

#include <algorithm>
#include <string>

using namespace VSTGUI;

namespace {
// Fills its rectangle, so a redraw shows up in the recorded calls at the place it went.
class FilledView : public CView {
public:
    using CView::CView;
    void draw(CDrawContext* context) override
    {
        context->fillRect(viewSize);
        setDirty(false);
    }
};

CRect viewSizeOf(const CView* view)
{
    CRect rect;
    return view->getViewSize(rect);
}

CRect mouseAreaOf(const CView* view)
{
    CRect rect;
    return view->getMouseableArea(rect);
}

class ScrollViews : public ControlFixture {
protected:
    // A 100 × 100 view at (20, 10) of the frame over a content of 84 × 400.
    CScrollView* scrollView(std::int32_t style = kScrollViewVerticalBar, CRect content = CRect(0, 0, 84, 400))
    {
        return add(new CScrollView(CRect(20, 10, 120, 110), content, frame, style, 16));
    }
    COnOffButton* button(CScrollView* view, CRect rect)
    {
        auto* made = new COnOffButton(rect, &listener, 7, nullptr);
        view->addView(made);
        return made;
    }
    // What a bar does when the user moves it.
    void scrollTo(CScrollView* view, CScrollbar* bar, float value)
    {
        bar->setValue(value);
        view->valueChanged(context, bar);
    }
    void click(CPoint inFrame)
    {
        frame->mouse(context, inFrame, kMouseLeft);
    }
};
} // namespace

TEST_F(ScrollViews, BarsLeaveTheCornerButOverlapEachOthersFirstPixel)
{
    CScrollView* view = scrollView(kScrollViewVerticalBar | kScrollViewHorizontalBar, CRect(0, 0, 300, 300));
    EXPECT_EQ(viewSizeOf(view->getHorizontalScrollbar()), CRect(0, 84, 85, 100));
    EXPECT_EQ(viewSizeOf(view->getVerticalScrollbar()), CRect(84, 0, 100, 85));
    EXPECT_EQ(viewSizeOf(view->getScrollContainer()), CRect(0, 0, 84, 84));
    CScrollView* plain = scrollView(0);
    EXPECT_EQ(plain->getVerticalScrollbar(), nullptr);
    EXPECT_EQ(plain->getHorizontalScrollbar(), nullptr);
    EXPECT_EQ(viewSizeOf(plain->getScrollContainer()), CRect(0, 0, 100, 100));
    EXPECT_EQ(plain->getNbViews(), 1);
}

TEST_F(ScrollViews, ChildrenAndTheirMouseAreasMoveByExactlyTheOffsetChange)
{
    CScrollView* view = scrollView();
    COnOffButton* first = button(view, CRect(0, 10, 80, 30));
    COnOffButton* second = button(view, CRect(0, 210, 80, 230));
    EXPECT_EQ(view->getScrollContainer()->getNbViews(), 2);
    scrollTo(view, view->getVerticalScrollbar(), 0.5f);
    // 0.5 of the overhang 400 - 100.
    EXPECT_EQ(view->getScrollContainer()->getScrollOffset(), CPoint(0, 150));
    EXPECT_EQ(viewSizeOf(first), CRect(0, -140, 80, -120));
    EXPECT_EQ(mouseAreaOf(first), CRect(0, -140, 80, -120));
    EXPECT_EQ(viewSizeOf(second), CRect(0, 60, 80, 80));
    EXPECT_EQ(mouseAreaOf(second), CRect(0, 60, 80, 80));
    scrollTo(view, view->getVerticalScrollbar(), 0.2f);
    EXPECT_EQ(viewSizeOf(second), CRect(0, 150, 80, 170));
    EXPECT_EQ(mouseAreaOf(second), CRect(0, 150, 80, 170));
    scrollTo(view, view->getVerticalScrollbar(), 0.2f);
    EXPECT_EQ(viewSizeOf(second), CRect(0, 150, 80, 170)) << "the same value moves nothing";

    CScrollView* wide = scrollView(kScrollViewHorizontalBar, CRect(0, 0, 300, 84));
    COnOffButton* right = button(wide, CRect(250, 0, 290, 20));
    scrollTo(wide, wide->getHorizontalScrollbar(), 1.0f);
    EXPECT_EQ(viewSizeOf(right), CRect(50, 0, 90, 20));
    EXPECT_EQ(mouseAreaOf(right), CRect(50, 0, 90, 20));
}

TEST_F(ScrollViews, WheelScrollsAndClicksReachTheChildThatIsThereNow)
{
    CScrollView* view = scrollView();
    COnOffButton* first = button(view, CRect(0, 10, 80, 30));
    COnOffButton* second = button(view, CRect(0, 210, 80, 230));
    // Ten notches down: 10 × 0.05 of the range, 150 pixels.
    EXPECT_TRUE(frame->onWheel(context, CPoint(60, 50), -10.0f));
    EXPECT_NEAR(view->getVerticalScrollbar()->getValue(), 0.5f, 1e-6f);
    EXPECT_EQ(view->getScrollContainer()->getScrollOffset(), CPoint(0, 150));
    click(CPoint(30, 25));
    EXPECT_EQ(first->getValue(), 0.0f) << "the first button has scrolled away from here";
    click(CPoint(30, 10 + 60 + 5));
    EXPECT_EQ(second->getValue(), 1.0f);
    EXPECT_EQ(first->getValue(), 0.0f);
    EXPECT_FALSE(frame->onWheel(context, CPoint(60, 50), kWheelAxisX, 1.0f)) << "no horizontal bar";
}

TEST_F(ScrollViews, ContentThatFitsShowsNoScrollerAndStaysPut)
{
    CScrollView* view = scrollView(kScrollViewVerticalBar | kScrollViewHorizontalBar, CRect(0, 0, 50, 50));
    COnOffButton* child = button(view, CRect(5, 5, 45, 25));
    EXPECT_EQ(view->getVerticalScrollbar()->getScrollerLength(), 0);
    EXPECT_EQ(view->getHorizontalScrollbar()->getScrollerLength(), 0);
    for (CMouseWheelAxis axis : {kWheelAxisX, kWheelAxisY})
        for (float distance : {3.0f, -3.0f, -3.0f}) {
            frame->onWheel(context, CPoint(90, 95), axis, distance);
            EXPECT_EQ(viewSizeOf(child), CRect(5, 5, 45, 25)) << "axis " << axis << ", distance " << distance;
            EXPECT_EQ(mouseAreaOf(child), CRect(5, 5, 45, 25));
        }
}

TEST_F(ScrollViews, GrowingTheContainerResizesTheScrollersAndKeepsTheContentOnTheBar)
{
    CScrollView* view = scrollView();
    COnOffButton* child = button(view, CRect(0, 210, 80, 230));
    scrollTo(view, view->getVerticalScrollbar(), 0.5f);
    view->setContainerSize(CRect(0, 0, 84, 1000));
    EXPECT_EQ(view->getVerticalScrollbar()->getScrollerLength(), 10);
    // Half of the new overhang of 900.
    EXPECT_EQ(view->getScrollContainer()->getScrollOffset(), CPoint(0, 450));
    EXPECT_EQ(viewSizeOf(child), CRect(0, -240, 80, -220));
}

TEST_F(ScrollViews, OnlyVisibleDirtyChildrenRedrawAndAtTheirScrolledPlace)
{
    for (const bool transparent : {true, false}) {
        CScrollView* view = scrollView();
        view->getScrollContainer()->setTransparency(transparent);
        auto* near = new FilledView(CRect(0, 70, 80, 90));
        auto* far = new FilledView(CRect(0, 300, 80, 320));
        view->addView(near);
        view->addView(far);
        frame->draw(context);
        ASSERT_FALSE(frame->isDirty());

        far->setDirty(true);
        EXPECT_FALSE(view->getScrollContainer()->isDirty()) << "scrolled out of sight";
        scrollTo(view, view->getVerticalScrollbar(), 0.8f);
        // Offset 240: the far child now lies at y = 60 of the view, 70 of the frame.
        frame->draw(context);
        far->setDirty(true);
        EXPECT_TRUE(view->getScrollContainer()->isDirty());
        fake::calls.clear();
        frame->update(context);
        std::string drawn;
        for (const std::string& call : fake::calls)
            drawn += call + "\n";
        EXPECT_NE(drawn.find("fillRect 21,71,100,90\n"), std::string::npos)
            << "the far child is painted where it is shown, transparent " << transparent << ":\n" << drawn;
        EXPECT_FALSE(far->isDirty());
        frame->removeView(view, true);
    }
}
