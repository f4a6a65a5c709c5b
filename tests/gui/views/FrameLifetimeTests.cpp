// The frame's window from creation to destruction: its class and style, the class shared by
// frames, a window destroyed from outside, and repeated opening and closing without leaks.
#include "../windows/GdiObjectCount.h"
#include "AllocationCount.h"
#include "HostWindow.h"
#include "TestViews.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace VSTGUI;

namespace {
constexpr LONG kChildWindowStyle = 0x56000000; // WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN

std::string frameClassName()
{
    char name[64] = {};
    std::snprintf(name, sizeof(name), "Plugin%p", static_cast<void*>(GetModuleHandleA(nullptr)));
    return name;
}

std::string classNameOf(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}
} // namespace

TEST(FrameWindow, IsAVisibleChildOfItsOwnClassInTheHostsWindow)
{
    HostWindow host(200, 150);
    auto* frame = new CFrame(CRect(0, 0, 180, 120), host.handle());
    const HWND window = frameWindowOf(*frame);
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(GetParent(window), host.handle());
    EXPECT_EQ(classNameOf(window), frameClassName());
    EXPECT_EQ(GetClassLongPtrA(window, GCL_STYLE), static_cast<ULONG_PTR>(CS_GLOBALCLASS));
    EXPECT_EQ(static_cast<LONG>(GetWindowLongPtrA(window, GWL_STYLE)), kChildWindowStyle);
    char title[16] = {};
    GetWindowTextA(window, title, sizeof(title));
    EXPECT_STREQ(title, "Window");
    EXPECT_EQ(windowSize(window).cx, 180);
    EXPECT_EQ(windowSize(window).cy, 120);
    EXPECT_TRUE(frame->isOpen());
    frame->forget();
}

TEST(FrameWindow, WithoutAParentStaysAViewTreeWithoutWindow)
{
    auto* frame = new CFrame(CRect(0, 0, 50, 50), nullptr);
    EXPECT_EQ(frame->getPlatformWindow(), nullptr);
    EXPECT_FALSE(frame->initFrame(nullptr));
    frame->forget();
}

TEST(FrameWindowClass, IsSharedByTwoFramesAndUnregisteredWithTheLast)
{
    HostWindow firstHost(100, 100);
    HostWindow secondHost(100, 100, nullptr, 200, 30);
    auto* first = new CFrame(CRect(0, 0, 100, 100), firstHost.handle());
    auto* second = new CFrame(CRect(0, 0, 100, 100), secondHost.handle());
    EXPECT_EQ(classNameOf(frameWindowOf(*first)), classNameOf(frameWindowOf(*second)));

    first->forget();
    EXPECT_TRUE(classIsRegistered(frameClassName().c_str()));
    EXPECT_TRUE(IsWindow(frameWindowOf(*second)));
    second->forget();
    EXPECT_FALSE(classIsRegistered(frameClassName().c_str()));
}

TEST(FrameWindowDestroyedFromOutside, LeavesTheFrameClosedAndSafeToDelete)
{
    HostWindow host(100, 100);
    auto* frame = new CFrame(CRect(0, 0, 100, 100), host.handle());
    auto* view = new ColourView(CRect(0, 0, 10, 10), kRedCColor);
    frame->addView(view);
    UpdateWindow(frameWindowOf(*frame));

    host.destroy();
    EXPECT_FALSE(frame->isOpen());
    EXPECT_EQ(frame->getPlatformWindow(), nullptr);
    EXPECT_EQ(frame->getSystemWindow(), nullptr);
    view->setDirty(true);
    frame->idle();
    EXPECT_FALSE(frame->setSize(50, 50));

    frame->forget();
    EXPECT_EQ(ColourView::liveCount, 0) << "the tree held both references of the view";
    EXPECT_FALSE(classIsRegistered(frameClassName().c_str()));
}

TEST(FrameOpenAndClose, AThousandTimesWithHundredsOfViewsLeaksNothing)
{
    constexpr int kRounds = 1000;
    constexpr int kViewsPerRow = 20;
    constexpr int kRows = 15;
    HostWindow host(200, 150);
    // The first round sets up what Windows keeps for the rest of the program.
    auto openPaintAndClose = [&host] {
        auto* frame = new CFrame(CRect(0, 0, 200, 150), host.handle());
        for (int row = 0; row < kRows; ++row) {
            for (int column = 0; column < kViewsPerRow; ++column) {
                auto* view = new ColourView(CRect(column * 10, row * 10, column * 10 + 9, row * 10 + 9), kBlueCColor);
                frame->addView(view);
            }
        }
        UpdateWindow(frameWindowOf(*frame));
        frame->invalidate(CRect(0, 0, 50, 50));
        frame->idle();
        frame->forget();
    };
    openPaintAndClose();
    const std::int64_t allocations = liveAllocations();
    const int gdiObjects = countGdiObjects();

    for (int round = 1; round < kRounds; ++round)
        openPaintAndClose();

    EXPECT_EQ(liveAllocations(), allocations);
    EXPECT_EQ(countGdiObjects(), gdiObjects);
    EXPECT_EQ(ColourView::liveCount, 0);
    EXPECT_EQ(childWindowCount(host.handle()), 0);
    EXPECT_FALSE(classIsRegistered(frameClassName().c_str()));
}
