// A panel with its editor open in a real X window, and the gestures the tests make on it with
// real input from the X test extension.
#pragma once

#include "X11DisplayFixture.h"

#include <memory>
#include <thread>
#include <vector>

constexpr unsigned int kPrimary = 1;

// The press is queued before the idle that handles it; the control's tracking loop then runs
// inside that idle while another thread moves the pointer and lets go once the loop has
// polled the new position (it calls the host's idle on each pass).
inline void dragInTrackingLoop(X11PanelHost& host, int fromX, int fromY, int toX, int toY)
{
    FakeInput input;
    input.moveTo(fromX, fromY);
    input.button(kPrimary, true);
    std::thread mover([&] {
        FakeInput moving;
        while (host.beginEdits() == 0)
            std::this_thread::yield();
        moving.moveTo(toX, toY);
        host.awaitIdleRequests(2);
        moving.button(kPrimary, false);
    });
    host.idle();
    mover.join();
}

class X11Panel : public X11DisplayTest {
protected:
    void SetUp() override
    {
        X11DisplayTest::SetUp();
        if (IsSkipped())
            return;
        panel = std::make_unique<X11PanelHost>(display);
        ASSERT_NE(panel->effect(), nullptr);
        ASSERT_TRUE(panel->openEditor());
        panel->clearRequests();
    }

    void TearDown() override { panel.reset(); }

    std::vector<int32> oneEditOf(int32 tag) const { return {audioMasterBeginEdit, tag, audioMasterEndEdit, tag}; }

    std::vector<PanelPixel> label(int tag) const
    {
        const int left = PanelLayout::kKnobLeft[tag];
        return panel->pixels(left, PanelLayout::kLabelTop, left + PanelLayout::kLabelWidth, PanelLayout::kLabelBottom);
    }

    void drag(int fromX, int fromY, int toX, int toY) { dragInTrackingLoop(*panel, fromX, fromY, toX, toY); }

    void controlClick(int tag)
    {
        FakeInput input;
        input.controlKey(true);
        input.moveTo(PanelLayout::knobCentreX(tag), PanelLayout::knobCentreY());
        input.click(kPrimary);
        panel->idle();
        input.controlKey(false);
    }

    std::unique_ptr<X11PanelHost> panel;
};
