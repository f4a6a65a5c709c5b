// The server's key events as the key codes hosts forward with effEditKeyDown: the same virtual
// keys, modifiers and characters, so a key acts the same whichever way it arrives.
#pragma once

#include "HostTypes.h"

#include <X11/Xlib.h>

namespace VSTGUI::platform {

// Zero character and virtual key when the event is a modifier alone or nothing printable.
VstKeyCode keyCodeOf(XKeyEvent& event);

// The same key press as seen by the host and by the window: the virtual key when there is
// one, else the character regardless of case.
bool isSameKey(const VstKeyCode& a, const VstKeyCode& b);

} // namespace VSTGUI::platform
