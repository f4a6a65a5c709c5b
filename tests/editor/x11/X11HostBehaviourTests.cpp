// What Linux hosts do to an editor, played against the built plug-in: odd call orders, other
// threads, vanished parents, several instances, unloading, idle rates and no display at all.
#include "X11PanelFixture.h"

#include <dirent.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

namespace {
constexpr unsigned int kWheelDown = 5;

using X11HostBehaviour = X11DisplayTest;

int openFileCount()
{
    int count = 0;
    if (DIR* folder = opendir("/proc/self/fd")) {
        while (readdir(folder) != nullptr)
            ++count;
        closedir(folder);
    }
    return count;
}

// Restores DISPLAY when it goes.
class DisplayUnset {
public:
    DisplayUnset()
    {
        if (const char* value = std::getenv("DISPLAY"))
            saved = value;
        unsetenv("DISPLAY");
    }
    ~DisplayUnset()
    {
        if (!saved.empty())
            setenv("DISPLAY", saved.c_str(), 1);
    }

private:
    std::string saved;
};
} // namespace

TEST_F(X11HostBehaviour, OpeningTwiceWithoutClosingLeavesOneEditorWindow)
{
    X11PanelHost host(display);
    host.closeEditor();
    EXPECT_EQ(host.childWindowCount(), 0) << "a close before any open is harmless";
    ASSERT_TRUE(host.openEditor());
    ASSERT_TRUE(host.openEditor());
    EXPECT_EQ(host.childWindowCount(), 1);
    host.closeEditor();
    EXPECT_EQ(host.childWindowCount(), 0);
    host.closeEditor();
    EXPECT_EQ(host.dispatch(effEditIdle), 0) << "idle and close without an editor are harmless";
}

TEST_F(X11HostBehaviour, AParentDestroyedBeforeCloseIsNoErrorForTheHost)
{
    X11PanelHost host(display);
    ASSERT_TRUE(host.openEditor());
    host.destroyParent();
    // The default X error handler would end this process on the editor's first failed call.
    host.idle(3);
    host.closeEditor();
    host.closeEffect();
    SUCCEED();
}

TEST_F(X11HostBehaviour, AParentDestroyedWithKeysForItWaitingIsNoErrorForTheHost)
{
    X11PanelHost host(display);
    ASSERT_TRUE(host.openEditor());
    FakeInput input;
    input.moveTo(20, 20);
    input.click(kPrimary);
    host.idle();
    // The keys wait in the editor's queue; passing them on meets the parent gone.
    input.tapKey("Escape");
    input.key("Shift_L", true);
    host.destroyParent();
    host.idle(2);
    input.key("Shift_L", false);
    input.tapKey("space");
    host.idle(2);
    host.closeEditor();
    host.closeEffect();
    SUCCEED();
}

TEST_F(X11HostBehaviour, ClosingTheEffectWithTheEditorOpenRemovesItsWindow)
{
    X11PanelHost host(display);
    ASSERT_TRUE(host.openEditor());
    host.closeEffect();
    EXPECT_EQ(host.childWindowCount(), 0);
}

TEST_F(X11HostBehaviour, TwoInstancesShowTheirEditorsAtOnce)
{
    X11PanelHost first(display);
    X11PanelHost second(display);
    ASSERT_TRUE(first.openEditor());
    ASSERT_TRUE(second.openEditor());
    first.idle();
    EXPECT_EQ(first.childWindowCount(), 1);
    EXPECT_EQ(second.childWindowCount(), 1);
    first.closeEditor();
    EXPECT_EQ(second.childWindowCount(), 1);
    second.closeEditor();
    EXPECT_EQ(first.childWindowCount() + second.childWindowCount(), 0);
}

TEST_F(X11HostBehaviour, EditorCallsFromAnotherThreadThanTheEffectsWork)
{
    X11PanelHost host(display);
    std::thread gui([&] {
        EXPECT_TRUE(host.openEditor());
        host.idle(2);
        host.closeEditor();
    });
    gui.join();
    EXPECT_EQ(host.childWindowCount(), 0);
}

TEST_F(X11HostBehaviour, TheLibraryUnloadedAndLoadedAgainOpensItsEditorAgain)
{
    for (int round = 0; round < 2; ++round) {
        X11PanelHost host(display);
        ASSERT_NE(host.effect(), nullptr);
        ASSERT_TRUE(host.openEditor()) << "round " << round;
        host.closeEditor();
    }
}

TEST_F(X11HostBehaviour, WithoutADisplayTheEffectStillWorksAndRefusesItsEditor)
{
    X11PanelHost host(display);
    DisplayUnset noDisplay;
    EXPECT_EQ(host.dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(host.parent())), 0);
    EXPECT_EQ(host.childWindowCount(), 0);
    float left[8] = {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f};
    float right[8] = {};
    float outLeft[8] = {};
    float outRight[8] = {};
    float* inputs[2] = {left, right};
    float* outputs[2] = {outLeft, outRight};
    host.effect()->processReplacing(host.effect(), inputs, outputs, 8);
    EXPECT_NE(outLeft[4], 0.0f);
}

TEST_F(X11HostBehaviour, AThousandOpenCloseCyclesLeaveNoWindowOrConnection)
{
    X11PanelHost host(display);
    ASSERT_TRUE(host.openEditor());
    host.closeEditor();
    const int files = openFileCount();
    for (int cycle = 0; cycle < 1000; ++cycle) {
        ASSERT_TRUE(host.openEditor()) << "cycle " << cycle;
        host.closeEditor();
        ASSERT_EQ(host.childWindowCount(), 0) << "cycle " << cycle;
    }
    EXPECT_EQ(openFileCount(), files) << "every editor's connection is closed";
}

// The host's idle rate only paces the gesture; the edit and the label come out the same.
class X11IdleRate : public X11DisplayTest, public ::testing::WithParamInterface<int> {};

TEST_P(X11IdleRate, AWheelTurnAndItsLabelArriveAtAnyIdleRate)
{
    X11PanelHost host(display);
    ASSERT_TRUE(host.openEditor());
    const auto period = std::chrono::milliseconds(1000 / GetParam());
    const std::vector<PanelPixel> before = host.pixels(152, 200, 202, 220);
    FakeInput input;
    input.moveTo(177, 155);
    input.click(kWheelDown);
    for (int pass = 0; pass < 3; ++pass) {
        std::this_thread::sleep_for(period);
        host.idle();
    }
    EXPECT_NEAR(host.parameter(1), 0.4f, 1e-4f);
    EXPECT_EQ(host.editRequests(), (std::vector<int32>{audioMasterBeginEdit, 1, audioMasterEndEdit, 1}));
    EXPECT_NE(host.pixels(152, 200, 202, 220), before);
}

INSTANTIATE_TEST_SUITE_P(HostRates, X11IdleRate, ::testing::Values(15, 25, 60));
