// The child list of a container: references, order, lookup by index and by point, dirty state
// and key routing.
#include "CFrame.h"
#include "TestViews.h"

#include <gtest/gtest.h>

using namespace VSTGUI;

namespace {
// A frame without window: a view tree that never paints.
class ContainerTree : public ::testing::Test {
protected:
    ~ContainerTree() override { frame->forget(); }

    CFrame* frame = new CFrame(CRect(0, 0, 200, 200), nullptr);
};
} // namespace

TEST_F(ContainerTree, RemovingWithForgetDestroysAViewAddedOnce)
{
    auto* view = new ColourView(CRect(0, 0, 10, 10), kRedCColor);
    frame->addView(view);
    EXPECT_EQ(view->getNbReference(), 2);
    frame->removeView(view, false);
    EXPECT_EQ(view->getNbReference(), 1);
    frame->addView(view);
    const int live = ColourView::liveCount;
    frame->removeView(view, true);
    EXPECT_EQ(ColourView::liveCount, live - 1);
}

TEST_F(ContainerTree, DestroyingAContainerDestroysTheViewsOnlyItHeld)
{
    auto* container = new CViewContainer(CRect(0, 0, 50, 50), frame);
    const int live = ColourView::liveCount;
    container->addView(new ColourView(CRect(0, 0, 10, 10), kRedCColor));
    container->addView(new ColourView(CRect(10, 0, 20, 10), kRedCColor));
    container->forget();
    EXPECT_EQ(ColourView::liveCount, live);
}

TEST_F(ContainerTree, IndexesRunInTheOrderOfAdding)
{
    auto* first = new CView(CRect(0, 0, 1, 1));
    auto* second = new CView(CRect(0, 0, 1, 1));
    frame->addView(first);
    frame->addView(second);
    EXPECT_EQ(frame->getNbViews(), 2);
    EXPECT_EQ(frame->getView(0), first);
    EXPECT_EQ(frame->getView(1), second);
    EXPECT_EQ(frame->getView(-1), nullptr);
    EXPECT_EQ(frame->getView(2), nullptr);
    EXPECT_TRUE(frame->isChild(second));
    EXPECT_EQ(second->getParentView(), frame);
    EXPECT_EQ(second->getFrame(), frame);
}

TEST_F(ContainerTree, ViewAtAPointIsTheTopmostWhateverItsMouseState)
{
    auto* below = new CView(CRect(0, 0, 50, 50));
    auto* above = new CView(CRect(20, 20, 70, 70));
    frame->addView(below);
    frame->addView(above);
    above->setMouseEnabled(false);
    EXPECT_EQ(frame->getViewAt(CPoint(30, 30)), above);
    EXPECT_EQ(frame->getViewAt(CPoint(10, 10)), below);
    EXPECT_EQ(frame->getViewAt(CPoint(70, 70)), above) << "edges belong to the view";
    EXPECT_EQ(frame->getViewAt(CPoint(71, 71)), nullptr);
}

TEST_F(ContainerTree, DeepLookupDescendsThroughContainersWithTheirOffsets)
{
    auto* outer = new CViewContainer(CRect(100, 100, 200, 200), frame);
    auto* inner = new CView(CRect(10, 10, 20, 20));
    frame->addView(outer);
    outer->addView(inner);
    EXPECT_EQ(frame->getViewAt(CPoint(115, 115), true), inner);
    EXPECT_EQ(frame->getViewAt(CPoint(115, 115), false), outer);
    EXPECT_EQ(frame->getViewAt(CPoint(150, 150), true), nullptr);

    CPoint point(5, 5);
    inner->localToFrame(point);
    EXPECT_EQ(point, CPoint(105, 105));
    inner->frameToLocal(point);
    EXPECT_EQ(point, CPoint(5, 5));
}

TEST_F(ContainerTree, ADirtyChildOutsideTheAreaDoesNotMakeTheContainerDirty)
{
    auto* container = new CViewContainer(CRect(0, 0, 50, 50), frame);
    auto* outside = new CView(CRect(60, 60, 70, 70));
    frame->addView(container);
    container->addView(outside);
    container->setDirty(false);
    ASSERT_TRUE(outside->isDirty());
    EXPECT_FALSE(container->isDirty());
    auto* inside = new CView(CRect(0, 0, 10, 10));
    container->addView(inside);
    EXPECT_TRUE(container->isDirty());
}

TEST_F(ContainerTree, AChildThatTakesAKeyStopsTheRouting)
{
    auto* container = new CViewContainer(CRect(0, 0, 50, 50), frame);
    auto* first = new RecordingView(CRect(0, 0, 1, 1));
    auto* last = new RecordingView(CRect(0, 0, 1, 1));
    frame->addView(container);
    container->addView(first);
    container->addView(last);
    VstKeyCode key = {'a', 0, 0, {0, 0}};
    EXPECT_EQ(container->onKeyDown(key), -1);
    EXPECT_EQ(first->keys + last->keys, 2);
    last->keyResult = 0;
    EXPECT_EQ(container->onKeyDown(key), 0);
    EXPECT_EQ(last->keys, 2);
    EXPECT_EQ(first->keys, 1);
}

TEST_F(ContainerTree, InvalidateMarksOnlyTheChildrenItTouches)
{
    auto* touched = new CView(CRect(0, 0, 10, 10));
    auto* apart = new CView(CRect(20, 20, 30, 30));
    frame->addView(touched);
    frame->addView(apart);
    touched->setDirty(false);
    apart->setDirty(false);
    frame->invalidate(CRect(10, 10, 15, 15));
    EXPECT_TRUE(touched->isDirty());
    EXPECT_FALSE(apart->isDirty());
}
