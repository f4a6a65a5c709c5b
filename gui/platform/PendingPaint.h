// Lets paint requests waiting for the calling thread's windows be handled from inside a
// mouse-tracking loop, which otherwise keeps the thread from reaching its message loop.
#pragma once

namespace VSTGUI::platform {

// Handles at most one waiting paint request, for any window of the thread.
void dispatchOnePendingPaint();
// Handles every event waiting for the frame's window, where no host loop delivers them.
void dispatchWindowEvents(void* window);

} // namespace VSTGUI::platform
