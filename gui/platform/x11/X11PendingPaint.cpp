// On X11 nothing delivers the editor's events but the editor itself: each idle, and each idle
// pass of a tracking loop, drains its connection. A tracking loop's paints come with that drain.
#include "../PendingPaint.h"
#include "X11FrameWindow.h"

namespace VSTGUI::platform {

void dispatchOnePendingPaint() {}

void dispatchWindowEvents(void* window)
{
    if (X11FrameWindow* frameWindow = frameWindowOf(window))
        frameWindow->dispatchEvents();
}

} // namespace VSTGUI::platform
