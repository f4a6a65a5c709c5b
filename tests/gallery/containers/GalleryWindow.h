// The built gallery plug-in's editor in a window of this test program, driven as a host
// drives it (open, idle, close through the effect record), with real input from another
// thread and the shown pixels read back.
#pragma once

#include "CColor.h"
#include "GalleryLayout.h"
#include "HostWindow.h"
#include "RealInput.h"
#include "TestHost.h"

#include <windows.h>

#include <vector>

class GalleryWindow {
public:
    GalleryWindow();
    ~GalleryWindow();

    GalleryWindow(const GalleryWindow&) = delete;
    GalleryWindow& operator=(const GalleryWindow&) = delete;

    TestHost& host() { return testHost; }
    HWND handle() const { return window.handle(); }

    bool openEditor();
    void closeEditor();
    // Handles waiting messages and sends effEditIdle, a few times.
    void idle(int passes = 3);
    // The Page parameter set by the host, shown at the next idle.
    void showPage(gallery::Page page);

    // Editor coordinates to the screen, and the colour shown at an editor point.
    POINT toScreen(POINT editorPoint) const;
    VSTGUI::CColor pixel(int x, int y) const;
    // Runs a gesture on another thread while this one handles the messages it causes.
    template <typename Gesture>
    void perform(Gesture gesture)
    {
        InputThread thread(std::move(gesture));
        pumpUntil(thread);
        idle();
    }

    // The requests with these opcodes the host received since the last call, in order.
    std::vector<HostRequest> takeRequests(std::vector<int32> opcodes);

private:
    void pumpUntil(const InputThread& thread);

    TestHost testHost;
    HostWindow window;
    std::size_t requestsSeen = 0;
};
