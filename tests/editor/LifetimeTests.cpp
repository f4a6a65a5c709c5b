// The editor's life inside hosts that misbehave: opened a thousand times, opened twice, closed
// without being open, left without its parent window, or still open when the effect closes;
// and the library unloaded and loaded again in the same process.
#include "PanelHost.h"
#include "PluginLibrary.h"
#include "ProcessResources.h"

#include <gtest/gtest.h>

namespace {
constexpr int kCycles = 1000;
constexpr SIZE_T kAllowedGrowthBytes = 512 * 1024;
constexpr const char* kLibraryName = "kestrovanel.dll";
constexpr VSTGUI::CColor kLabelFill = {120, 145, 236, 255};

bool panelIsShown(const PanelHost& panel)
{
    return panel.pixel(PanelLayout::kKnobLeft[0] + 2, PanelLayout::kLabelTop + 2) == kLabelFill;
}
} // namespace

TEST(EditorLifetime, AThousandOpenAndCloseCyclesLeakNoMemoryWindowOrGdiObject)
{
    PanelHost panel;
    for (int warmUp = 0; warmUp < 3; ++warmUp) {
        ASSERT_TRUE(panel.openEditor());
        panel.closeEditor();
    }
    const ResourceUse before = resourceUse();
    ASSERT_TRUE(panel.cycleEditor(kCycles));
    const ResourceUse after = resourceUse();
    EXPECT_EQ(after.gdiObjects, before.gdiObjects);
    EXPECT_EQ(after.userObjects, before.userObjects);
    EXPECT_LT(after.privateBytes, before.privateBytes + kAllowedGrowthBytes);
    EXPECT_EQ(childWindowCount(panel.window().handle()), 0);
}

TEST(EditorLifetime, OpeningAgainWithoutClosingReplacesTheFirstWindow)
{
    PanelHost panel;
    ASSERT_TRUE(panel.openEditor());
    ASSERT_TRUE(panel.openEditor());
    EXPECT_EQ(childWindowCount(panel.window().handle()), 1);
    EXPECT_TRUE(panelIsShown(panel));
    panel.closeEditor();
    EXPECT_EQ(childWindowCount(panel.window().handle()), 0);
}

TEST(EditorLifetime, ClosingAnEditorThatIsNotOpenIsHarmless)
{
    PanelHost panel;
    panel.closeEditor();
    panel.host().dispatch(effEditIdle);
    ASSERT_TRUE(panel.openEditor());
    panel.closeEditor();
    panel.closeEditor();
    EXPECT_EQ(childWindowCount(panel.window().handle()), 0);
}

TEST(EditorLifetime, AParentDestroyedBeforeCloseLeavesAnEditorThatClosesAndOpensAgain)
{
    PanelHost panel;
    {
        HostWindow doomed(PanelLayout::kWidth, PanelLayout::kHeight, nullptr, 500, 300);
        ASSERT_NE(panel.host().dispatch(effEditOpen, 0, 0, doomed.handle()), 0);
        pumpMessages();
    }
    panel.host().dispatch(effEditIdle);
    VstKeyCode ignored = {};
    panel.host().dispatch(effEditKeyDown, 0, 12, &ignored, 0.0f);
    panel.closeEditor();
    ASSERT_TRUE(panel.openEditor());
    EXPECT_TRUE(panelIsShown(panel));
}

TEST(EditorLifetime, ClosingTheEffectWithTheEditorOpenTakesDownItsWindowAndClass)
{
    PanelHost panel;
    ASSERT_TRUE(panel.openEditor());
    HWND frameWindow = GetWindow(panel.window().handle(), GW_CHILD);
    ASSERT_NE(frameWindow, nullptr);
    char className[256] = {};
    GetClassNameA(frameWindow, className, sizeof(className));
    const HMODULE library = GetModuleHandleA(kLibraryName);
    panel.host().close();
    pumpMessages();
    EXPECT_FALSE(IsWindow(frameWindow));
    WNDCLASSA windowClass = {};
    EXPECT_FALSE(GetClassInfoA(library, className, &windowClass)) << className << " is still registered";
}

TEST(EditorLifetime, TheLibraryUnloadsAndLoadsAgainAndItsEditorStillOpens)
{
    {
        PanelHost first;
        ASSERT_TRUE(first.openEditor());
    }
    EXPECT_EQ(GetModuleHandleA(kLibraryName), nullptr) << "the library stayed loaded";
    PanelHost second;
    ASSERT_TRUE(second.openEditor());
    EXPECT_TRUE(panelIsShown(second));
}

namespace {
// A host that answers the first idle request after being armed by closing the editor.
struct ClosingHost {
    AEffect* effect = nullptr;
    bool closeOnNextIdle = false;
    int endEdits = 0;
};
ClosingHost* closingHost = nullptr;

intptr closeOnIdle(AEffect* /*effect*/, int32 opcode, int32 /*index*/, intptr /*value*/, void* /*ptr*/, float /*opt*/)
{
    if (opcode == audioMasterVersion)
        return 2400;
    if (closingHost == nullptr)
        return 0;
    if (opcode == audioMasterEndEdit)
        ++closingHost->endEdits;
    if (opcode == audioMasterIdle && closingHost->closeOnNextIdle) {
        closingHost->closeOnNextIdle = false;
        closingHost->effect->dispatcher(closingHost->effect, effEditClose, 0, 0, nullptr, 0.0f);
    }
    return 1;
}
} // namespace

TEST(EditorLifetime, AHostClosingTheEditorDuringADragLetsTheDragFinishFirst)
{
    PluginLibrary library(PluginLibrary::builtPluginPath());
    ClosingHost host;
    closingHost = &host;
    host.effect = library.entryPoint("VSTPluginMain")(closeOnIdle);
    ASSERT_NE(host.effect, nullptr);
    const auto dispatch = [&host](int32 opcode, void* ptr = nullptr) {
        return host.effect->dispatcher(host.effect, opcode, 0, 0, ptr, 0.0f);
    };
    {
        HostWindow window(PanelLayout::kWidth, PanelLayout::kHeight, nullptr, 100, 80);
        ASSERT_EQ(dispatch(effEditOpen, window.handle()), 1);
        UpdateWindow(window.handle());
        pumpMessages();
        host.closeOnNextIdle = true;
        POINT from = PanelLayout::knobPointAt(0, 180.0);
        ClientToScreen(window.handle(), &from);
        MouseDrag drag;
        drag.start = from;
        drag.dx = 20;
        drag.dy = -20;
        performWhilePumping([drag] { performDrag(drag); });
        EXPECT_FALSE(host.closeOnNextIdle) << "the host was asked to idle during the drag";
        EXPECT_EQ(host.endEdits, 1);
        dispatch(effEditIdle);
        pumpMessages();
        EXPECT_EQ(childWindowCount(window.handle()), 0);
    }
    dispatch(effClose);
    closingHost = nullptr;
}
