// The gallery's editor opened and closed a thousand times on each page leaves no GDI object, window, drop
// target registration or memory behind, and its frame's drop target is revoked before the
// frame's window is destroyed, whoever closes first.
#include "DropRegistrationWatch.h"
#include "GalleryScreen.h"
#include "ProcessResources.h"

#include <gtest/gtest.h>

using namespace gallerytest;

namespace {
constexpr int kCycles = 1000;
constexpr SIZE_T kAllowedGrowthBytes = 512 * 1024;

HWND frameWindowIn(HWND host)
{
    return GetWindow(host, GW_CHILD);
}
} // namespace

TEST(GalleryLifetime, AThousandOpenAndCloseCyclesOnEachPageLeaveNothingBehind)
{
    GalleryScreen screen;
    for (std::int32_t page = 0; page < gallery::kPageCount; ++page) {
        SCOPED_TRACE(page);
        screen.host().setParameter(gallery::kPage, gallery::pageValue(static_cast<gallery::Page>(page)));
        for (int warmUp = 0; warmUp < 3; ++warmUp) {
            ASSERT_TRUE(screen.openEditor());
            screen.closeEditor();
        }
        const ResourceUse before = resourceUse();
        int registered = 0;
        ASSERT_TRUE(screen.cycleEditor(
            kCycles, [&] { registered += isRegistered(frameWindowIn(screen.window().handle())) ? 1 : 0; }));
        const ResourceUse after = resourceUse();
        EXPECT_EQ(registered, kCycles) << "every opening takes drops";
        EXPECT_EQ(after.gdiObjects, before.gdiObjects);
        EXPECT_EQ(after.userObjects, before.userObjects);
        EXPECT_LT(after.privateBytes, before.privateBytes + kAllowedGrowthBytes);
        EXPECT_EQ(childWindowCount(screen.window().handle()), 0);
    }
}

TEST(GalleryLifetime, TheDropTargetIsRevokedBeforeTheFrameWindowGoes)
{
    GalleryScreen screen;
    ASSERT_TRUE(screen.openEditor());
    watchDestructionOf(frameWindowIn(screen.window().handle()));
    screen.closeEditor();
    EXPECT_FALSE(hadTargetAtDestruction()) << "closed by the host";

    {
        HostWindow doomed(gallery::kEditorWidth, gallery::kEditorHeight, nullptr, 500, 300);
        ASSERT_NE(screen.host().dispatch(effEditOpen, 0, 0, doomed.handle()), 0);
        pumpMessages();
        watchDestructionOf(frameWindowIn(doomed.handle()));
    }
    EXPECT_FALSE(hadTargetAtDestruction()) << "the host's window destroyed first";
    screen.closeEditor();
    ASSERT_TRUE(screen.openEditor()) << "and the editor opens again";
    EXPECT_TRUE(isRegistered(frameWindowIn(screen.window().handle())));
}
