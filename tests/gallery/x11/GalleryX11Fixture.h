// The gallery plug-in's editor in a real X window beside the panel's plug-in, and the
// gestures the tests make on it with real input from the X test extension.
#pragma once

#include "X11PanelFixture.h"
#include "GalleryLayout.h"

#include <memory>
#include <thread>
#include <vector>

constexpr EditorSize kGallerySize = {gallery::kEditorWidth, gallery::kEditorHeight};
constexpr int kTabWidth = 96;

class X11Gallery : public X11DisplayTest {
protected:
    void SetUp() override
    {
        X11DisplayTest::SetUp();
        if (IsSkipped())
            return;
        // The panel's plug-in is loaded first, so the gallery must find its own images.
        panelLibrary = std::make_shared<PluginLibrary>(KV_PANEL_PLUGIN);
        ASSERT_TRUE(panelLibrary->isLoaded());
        gallery = std::make_unique<X11PanelHost>(display, nullptr, kGallerySize);
        ASSERT_NE(gallery->effect(), nullptr);
        ASSERT_TRUE(gallery->openEditor());
        gallery->clearRequests();
    }

    void TearDown() override
    {
        gallery.reset();
        panelLibrary.reset();
    }

    void showPage(gallery::Page page)
    {
        clickAt(page * kTabWidth + kTabWidth / 2, gallery::kTabHeight / 2);
        gallery->idle();
    }

    void clickAt(int x, int y)
    {
        FakeInput input;
        input.moveTo(x, y);
        input.click(kPrimary);
        gallery->idle();
    }

    void drag(int fromX, int fromY, int toX, int toY) { dragInTrackingLoop(*gallery, fromX, fromY, toX, toY); }

    // The begin and end requests, with their tags, since the last clear.
    std::vector<int32> brackets()
    {
        const std::vector<int32> all = gallery->editRequests();
        std::vector<int32> found;
        for (std::size_t i = 0; i + 1 < all.size(); i += 2) {
            if (all[i] == audioMasterBeginEdit || all[i] == audioMasterEndEdit) {
                found.push_back(all[i]);
                found.push_back(all[i + 1]);
            }
        }
        return found;
    }

    std::vector<int32> oneEditOf(int32 tag) const { return {audioMasterBeginEdit, tag, audioMasterEndEdit, tag}; }

    std::shared_ptr<PluginLibrary> panelLibrary;
    std::unique_ptr<X11PanelHost> gallery;
};

