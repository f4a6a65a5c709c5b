// Opening a connection to the display in DISPLAY. A server that has just closed many
// connections can refuse a new one for a moment (EAGAIN on its socket) and accept it a moment
// later, so the open is tried a few times before it counts as failed.
#pragma once

#include <X11/Xlib.h>

namespace VSTGUI::platform {

// Null when DISPLAY is unset or the server still refuses after the retries.
Display* openDisplayConnection();

} // namespace VSTGUI::platform
