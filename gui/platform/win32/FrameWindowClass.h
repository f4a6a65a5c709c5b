// The window class shared by every frame window of the module: registered when the first
// frame window is made, unregistered when the last one goes.
#pragma once

#include <windows.h>

namespace VSTGUI::platform {

// Registers the class on the first acquisition; answers its name.
const char* acquireFrameWindowClass(WNDPROC windowProcedure);
void releaseFrameWindowClass();

} // namespace VSTGUI::platform
