// The view base on its own: hit areas with their edges, update checks, attributes, class
// identity and the release of its background.
#include "CBitmap.h"
#include "CView.h"
#include "CViewContainer.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace VSTGUI;

TEST(ViewHitArea, IncludesTheRightAndBottomEdgeButNothingBeyond)
{
    CView view(CRect(10, 10, 20, 20));
    EXPECT_TRUE(view.hitTest(CPoint(20, 20)));
    EXPECT_TRUE(view.hitTest(CPoint(10, 10)));
    EXPECT_FALSE(view.hitTest(CPoint(21, 15)));
    EXPECT_FALSE(view.hitTest(CPoint(15, 21)));
}

TEST(ViewHitArea, StaysWhereItWasWhenTheViewMoves)
{
    CView view(CRect(0, 0, 10, 10));
    CRect moved(100, 100, 110, 110);
    view.setViewSize(moved);
    EXPECT_TRUE(view.hitTest(CPoint(5, 5)));
    EXPECT_FALSE(view.hitTest(CPoint(105, 105)));
    EXPECT_TRUE(view.isDirty());
}

TEST(ViewUpdateCheck, AcceptsARectangleThatOnlyTouchesAnEdge)
{
    CView view(CRect(10, 10, 20, 20));
    CRect touching(20, 0, 30, 10);
    CRect apart(21, 0, 30, 9);
    EXPECT_TRUE(view.checkUpdate(touching));
    EXPECT_FALSE(view.checkUpdate(apart));
}

TEST(ViewAttributes, KeepTheSizeOfTheFirstStore)
{
    CView view(CRect(0, 0, 1, 1));
    const char first[] = "abcd";
    ASSERT_TRUE(view.setAttribute(7, 4, first));
    const char larger[] = "123456";
    EXPECT_FALSE(view.setAttribute(7, 6, larger));
    EXPECT_TRUE(view.setAttribute(7, 2, "xy"));

    std::int32_t size = 0;
    ASSERT_TRUE(view.getAttributeSize(7, size));
    EXPECT_EQ(size, 4);
    char buffer[8] = {};
    ASSERT_TRUE(view.getAttribute(7, sizeof(buffer), buffer, size));
    EXPECT_EQ(std::memcmp(buffer, "xycd", 4), 0);
    EXPECT_FALSE(view.getAttribute(7, 3, buffer, size));
    EXPECT_FALSE(view.getAttributeSize(8, size));
    EXPECT_FALSE(view.setAttribute(9, -1, first));
}

TEST(ViewIdentity, MatchesOnlyTheExactClassNamesOfItsLine)
{
    CView view(CRect(0, 0, 1, 1));
    CViewContainer container(CRect(0, 0, 1, 1), nullptr);
    EXPECT_TRUE(view.isTypeOf("CView"));
    EXPECT_FALSE(view.isTypeOf("cview"));
    EXPECT_FALSE(view.isTypeOf("CVie"));
    EXPECT_FALSE(view.isTypeOf("CViewContainer"));
    EXPECT_TRUE(container.isTypeOf("CViewContainer"));
    EXPECT_TRUE(container.isTypeOf("CView"));
    EXPECT_EQ(container.notify(&view, kMsgCheckIfViewContainer), 1);
    EXPECT_EQ(view.notify(&view, kMsgCheckIfViewContainer), 0);
}

TEST(ViewMouseLocation, IsLeftAloneWithoutAContext)
{
    CView view(CRect(0, 0, 1, 1));
    CPoint point(3, 4);
    view.getMouseLocation(nullptr, point);
    EXPECT_EQ(point, CPoint(3, 4));
}

TEST(ViewLifetime, ReleasesItsBackgroundOnceWhenDestroyed)
{
    auto* bitmap = new CBitmap();
    auto* view = new CView(CRect(0, 0, 1, 1));
    view->setBackground(bitmap);
    EXPECT_EQ(bitmap->getNbReference(), 2);
    view->forget();
    EXPECT_EQ(bitmap->getNbReference(), 1);
    bitmap->forget();
}
