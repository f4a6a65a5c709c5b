// Real windows standing in for the host's editor window, and the few message and pixel helpers
// the view tests and the editor tests share.
#pragma once

#include "CColor.h"
#include "CFrame.h"

#include <windows.h>

#include <vector>

// A visible window without caption or border, destroyed with the object. Without a parent it
// is placed in the desktop window of the test program: top-level windows are slow to make and
// destroy under Wine.
class HostWindow {
public:
    HostWindow(int width, int height, HWND parent = nullptr, int x = 40, int y = 30);
    ~HostWindow();

    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND handle() const { return window; }
    // Destroys the window early, as a host closing its window first does.
    void destroy();

private:
    HWND window;
};

// The one top-level window of the test program, as large as the screen allows.
HWND desktopWindow();
HWND frameWindowOf(const VSTGUI::CFrame& frame);
// Handles every message waiting for this thread.
void pumpMessages();
// Handles this thread's messages until the object (a thread, an event) is signalled.
void pumpUntilSignalled(HANDLE object);
SIZE windowSize(HWND window);
// The colour shown at a point of a window, alpha 255.
VSTGUI::CColor pixelOf(HWND window, int x, int y);
// The pixels a window shows in a rectangle of its client area, row by row.
std::vector<VSTGUI::CColor> pixelsOf(HWND window, int left, int top, int right, int bottom);
bool classIsRegistered(const char* className);
int childWindowCount(HWND window);
