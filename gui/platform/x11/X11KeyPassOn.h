// Keys the editor does not use go on to the host's window the editor sits in, so the host's
// shortcuts (Escape, the space bar) still work while the editor has the keyboard focus. A
// release goes where its press went: the host sees no press without its release and no
// release whose press it never saw.
#pragma once

#include <X11/Xlib.h>

#include <array>

namespace VSTGUI::platform {

class X11KeyPassOn {
public:
    explicit X11KeyPassOn(Window parent_) : parent(parent_) {}

    // A key event of the editor's, taken by a view or a window of the editor's or not;
    // modifier keys alone count as not taken.
    void keyEvent(XKeyEvent& event, bool taken);

private:
    enum class Press : unsigned char { unseen, kept, passedOn };

    bool passesOn(const XKeyEvent& event, bool taken);
    void sendToParent(const XKeyEvent& event);

    Window parent;
    // By X key code, which is one byte.
    std::array<Press, 256> presses{};
};

} // namespace VSTGUI::platform
