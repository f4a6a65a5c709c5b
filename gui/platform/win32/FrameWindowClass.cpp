#include "FrameWindowClass.h"

#include "../../MouseButtons.h"
#include "ModuleInstance.h"

#include <cstdint>
#include <cstdio>

namespace VSTGUI::platform {

namespace {
// "Plugin" and the module's address keep two plug-ins in one host apart.
char className[64] = {};
std::int32_t frameWindowCount = 0;
} // namespace

const char* acquireFrameWindowClass(WNDPROC windowProcedure)
{
    if (frameWindowCount++ == 0) {
        std::snprintf(className, sizeof(className), "Plugin%p", static_cast<void*>(hInstance));
        WNDCLASSA windowClass = {};
        windowClass.style = CS_GLOBALCLASS;
        windowClass.lpfnWndProc = windowProcedure;
        windowClass.hInstance = hInstance;
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = className;
        RegisterClassA(&windowClass);
        gSwapMouseButtons = GetSystemMetrics(SM_SWAPBUTTON) > 0;
    }
    return className;
}

void releaseFrameWindowClass()
{
    if (--frameWindowCount == 0)
        UnregisterClassA(className, hInstance);
}

} // namespace VSTGUI::platform
