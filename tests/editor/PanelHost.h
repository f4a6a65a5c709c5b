// The built plug-in's editor (the panel, or the plug-in KV_PLUGIN names) inside a window of a
// test host (HostWindow of tests/common, shared with the view tests): opens and idles the
// editor as a host does, reads the pixels it shows, and lets real input events reach it while
// this thread keeps handling its messages.
#pragma once

#include "CColor.h"
#include "HostWindow.h"
#include "RealInput.h"
#include "TestHost.h"

#include <windows.h>

#include <functional>
#include <vector>

// The panel's layout, in editor pixels.
struct PanelLayout {
    static constexpr int kWidth = 351;
    static constexpr int kHeight = 256;
    static constexpr int kKnobLeft[3] = {55, 152, 244};
    static constexpr int kKnobTop = 130;
    static constexpr int kKnobSize = 50;
    static constexpr int kLabelTop = 200;
    static constexpr int kLabelBottom = 220;
    static POINT knobCentre(int tag) { return {kKnobLeft[tag] + kKnobSize / 2, kKnobTop + kKnobSize / 2}; }
    // A knob-local point on the handle's circle at an angle in degrees.
    static POINT knobPointAt(int tag, double degrees, double radius = 20.0);
};

// Handles this thread's messages until the thread has finished.
void pumpUntilFinished(const InputThread& thread);

// Runs a gesture on another thread while this one handles the messages it causes.
template <typename Gesture>
void performWhilePumping(Gesture gesture)
{
    InputThread thread(std::move(gesture));
    pumpUntilFinished(thread);
}

class PanelHost {
public:
    // A host window of the editor's size; the panel's unless told.
    explicit PanelHost(SIZE editorSize = {PanelLayout::kWidth, PanelLayout::kHeight});
    ~PanelHost();

    PanelHost(const PanelHost&) = delete;
    PanelHost& operator=(const PanelHost&) = delete;

    TestHost& host() { return testHost; }
    HostWindow& window() { return hostWindow; }

    // effEditOpen in the host window, then messages and idle until the first paint is done.
    bool openEditor();
    void closeEditor();
    // Opens and closes the editor as quickly as a host showing it briefly does: open, paint,
    // one idle, close; whileOpen, when given, runs before each close. False at the first
    // opening that fails.
    bool cycleEditor(int cycles, const std::function<void()>& whileOpen = nullptr);
    // Handles waiting messages and sends effEditIdle, a few times.
    void idle(int passes = 3);

    // The editor's own window in the host window; null while the editor is closed.
    HWND frameWindow() const { return FindWindowExA(hostWindow.handle(), nullptr, nullptr, nullptr); }
    // The native text field a text edit of the editor opened; null when none is open.
    HWND textField() const;

    POINT toScreen(POINT editorPoint) const;
    VSTGUI::CColor pixel(int x, int y) const;
    // The pixels of a rectangle of the editor, row by row.
    std::vector<VSTGUI::CColor> pixels(int left, int top, int right, int bottom) const;

    template <typename Gesture>
    void perform(Gesture gesture)
    {
        performWhilePumping(std::move(gesture));
    }
    // A real left click at a point of the editor, then a few idles.
    void click(POINT editorPoint);
    // A real drag of the left button from a point of the editor, modifier held throughout (0
    // for none); no idle follows, so a test sees what the gesture alone did.
    void drag(POINT editorPoint, int dx, int dy, WORD modifier = 0);
    // One block of both channels at a constant level (the right one inverted) through
    // processReplacing.
    void playLevel(float level);

    // The requests with these opcodes the host received since the last take, in order.
    std::vector<HostRequest> takeRequests(const std::vector<int32>& opcodes);
    // The edit requests (begin, end, automate) the host received since the last take.
    std::vector<HostRequest> takeEditRequests();

private:
    void settlePointer();

    TestHost testHost;
    HostWindow hostWindow;
    std::size_t requestsSeen = 0;
};
