#include "X11KeyPassOn.h"

#include "X11ErrorScope.h"

namespace VSTGUI::platform {

void X11KeyPassOn::keyEvent(XKeyEvent& event, bool taken)
{
    if (passesOn(event, taken))
        sendToParent(event);
}

// A key another program sent the editor (a host that forwards its keys to the plug-in's
// window) is not sent back, or the two would pass it to and fro.
bool X11KeyPassOn::passesOn(const XKeyEvent& event, bool taken)
{
    Press& press = presses[event.keycode & 0xFF];
    if (event.type == KeyPress) {
        press = taken || event.send_event ? Press::kept : Press::passedOn;
        return press == Press::passedOn;
    }
    const bool passes = press == Press::passedOn || (press == Press::unseen && !taken && !event.send_event);
    press = Press::unseen;
    return passes;
}

// The same event as the server would have given the parent without the editor's window in
// it: the parent's coordinates, the child under the pointer, and on to the ancestors when the
// parent's own client does not listen for keys. The parent may be gone already.
void X11KeyPassOn::sendToParent(const XKeyEvent& event)
{
    X11ErrorScope scope(event.display);
    XEvent passed = {};
    passed.xkey = event;
    passed.xkey.window = parent;
    if (XTranslateCoordinates(event.display, event.window, parent, event.x, event.y, &passed.xkey.x, &passed.xkey.y,
                              &passed.xkey.subwindow)
        == 0)
        return;
    const long mask = event.type == KeyPress ? KeyPressMask : KeyReleaseMask;
    XSendEvent(event.display, parent, True, mask, &passed);
}

} // namespace VSTGUI::platform
