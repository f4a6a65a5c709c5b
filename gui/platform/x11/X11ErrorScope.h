// X error handlers are process-wide and the default one ends the host. Calls on the editor's
// connection that may fail (the host destroyed the parent and with it the frame's window) run
// inside a scope whose handler swallows this connection's errors and hands every other
// connection's errors to the handler found before; the scope syncs and restores it on exit.
#pragma once

#include <X11/Xlib.h>

namespace VSTGUI::platform {

class X11ErrorScope {
public:
    explicit X11ErrorScope(Display* display);
    ~X11ErrorScope();

    X11ErrorScope(const X11ErrorScope&) = delete;
    X11ErrorScope& operator=(const X11ErrorScope&) = delete;

    // True when an error of this connection arrived since the scope began (after a sync).
    bool failed();

private:
    Display* display;
    Display* outerDisplay;
    bool outerFailed;
};

} // namespace VSTGUI::platform
