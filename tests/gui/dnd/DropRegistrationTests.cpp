// The frame's drop target registration: present while drops are active, gone before the
// frame's window is, and leaving nothing behind over many editor openings.
#include "AllocationCount.h"
#include "DropHost.h"

#include <gtest/gtest.h>

using namespace VSTGUI;

TEST(DropRegistration, FollowsSetDropActive)
{
    DropHost host;
    const HWND window = host.frameWindow();
    EXPECT_TRUE(host.frame->isDropActive());
    EXPECT_TRUE(isRegistered(window));

    EXPECT_TRUE(host.frame->setDropActive(false));
    EXPECT_FALSE(host.frame->isDropActive());
    EXPECT_FALSE(isRegistered(window));
    EXPECT_TRUE(host.frame->setDropActive(false));

    EXPECT_TRUE(host.frame->setDropActive(true));
    EXPECT_TRUE(host.frame->setDropActive(true)) << "registering again replaces the target";
    EXPECT_TRUE(isRegistered(window));
}

TEST(DropRegistration, FailureIsReportedAndLeavesDropsInactive)
{
    DropHost host;
    host.frame->setDropActive(false);
    auto* other = new CFrame(CRect(0, 0, 10, 10), host.host.handle());
    IDropTarget* otherTarget = registeredTarget(frameWindowOf(*other));
    ASSERT_NE(otherTarget, nullptr);
    ASSERT_EQ(RegisterDragDrop(host.frameWindow(), otherTarget), S_OK);
    EXPECT_FALSE(host.frame->setDropActive(true)) << "the window already has a target";
    EXPECT_FALSE(host.frame->isDropActive());
    RevokeDragDrop(host.frameWindow());
    otherTarget->Release();
    other->forget();
}

TEST(DropRegistration, IsRevokedBeforeTheWindowGoes)
{
    {
        DropHost host;
        watchDestructionOf(host.frameWindow());
        host.closeFrame();
        EXPECT_FALSE(hadTargetAtDestruction()) << "frame deleted by its editor";
    }
    {
        DropHost host;
        watchDestructionOf(host.frameWindow());
        host.host.destroy();
        EXPECT_FALSE(hadTargetAtDestruction()) << "window destroyed by the host first";
    }
}

TEST(DropRegistration, ThousandOpeningsLeaveNoTargetOrMemoryBehind)
{
    HostWindow host(200, 100);
    {
        auto* warmUp = new CFrame(CRect(0, 0, 200, 100), host.handle());
        warmUp->forget();
    }
    const std::int64_t before = liveAllocations();
    int registered = 0;
    for (int cycle = 0; cycle < 1000; ++cycle) {
        auto* frame = new CFrame(CRect(0, 0, 200, 100), host.handle());
        registered += isRegistered(frameWindowOf(*frame)) ? 1 : 0;
        frame->forget();
    }
    pumpMessages();
    EXPECT_EQ(registered, 1000);
    EXPECT_EQ(liveAllocations(), before);
}
