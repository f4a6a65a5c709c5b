// The waiting paint request of a tracking loop, taken from the thread's Windows message queue.
#include "../PendingPaint.h"

#include <windows.h>

namespace VSTGUI::platform {

void dispatchOnePendingPaint()
{
    MSG message;
    if (PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE) != 0)
        DispatchMessageA(&message);
}

// The host's message loop delivers the window's messages.
void dispatchWindowEvents(void* /*window*/) {}

} // namespace VSTGUI::platform
