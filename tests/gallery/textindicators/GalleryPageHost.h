// The built gallery plug-in's editor in a window of a test host, showing its text and
// indicators page: opened, idled and fed audio through the effect record as a host does, with
// real clicks and the pixels it shows read back from the frame's window.
#pragma once

#include "CColor.h"
#include "GalleryLayout.h"
#include "HostWindow.h"
#include "TestHost.h"

#include <windows.h>

#include <string>
#include <vector>

class GalleryPageHost {
public:
    explicit GalleryPageHost(gallery::Page shown = gallery::kTextIndicatorsPage);
    ~GalleryPageHost();

    GalleryPageHost(const GalleryPageHost&) = delete;
    GalleryPageHost& operator=(const GalleryPageHost&) = delete;

    TestHost& host() { return testHost; }
    HWND hostWindow() const { return window.handle(); }
    // Null while the editor is closed.
    HWND frameWindow() const { return FindWindowExA(window.handle(), nullptr, nullptr, nullptr); }
    // The text edit's native field, null while it is closed.
    HWND field() const;
    std::string fieldText() const;

    // effEditOpen on the page, then messages and idles until it is drawn.
    bool openEditor();
    void closeEditor();
    // Handles waiting messages and sends effEditIdle, a few times.
    void idle(int passes = 3);
    // A real click at a point of the page.
    void click(POINT pagePoint);
    // One block of both channels at a constant level through processReplacing.
    void playLevel(float level);

    VSTGUI::CColor pixel(int x, int y) const;
    std::vector<VSTGUI::CColor> pixels(int left, int top, int right, int bottom) const;

private:
    TestHost testHost;
    HostWindow window;
};
