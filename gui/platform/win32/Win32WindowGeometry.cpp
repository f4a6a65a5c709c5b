// Window rectangles, parents and resizing on Windows, for the frame's position, size and the
// walk that resizes the host's windows around it.
#include "../FrameWindow.h"

#include <windows.h>

namespace VSTGUI::platform {

namespace {
constexpr int kClassNameLength = 1024;

HWND toWindow(void* window)
{
    return static_cast<HWND>(window);
}
} // namespace

void* getParentWindow(void* window)
{
    return GetParent(toWindow(window));
}

std::string getWindowClassName(void* window)
{
    char name[kClassNameLength] = {};
    const int length = GetClassNameA(toWindow(window), name, kClassNameLength);
    return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

bool hasCaption(void* window)
{
    const LONG_PTR style = GetWindowLongPtrA(toWindow(window), GWL_STYLE);
    return (style & WS_CAPTION) != 0;
}

CRect getWindowScreenRect(void* window)
{
    RECT rect = {};
    GetWindowRect(toWindow(window), &rect);
    return CRect(rect.left, rect.top, rect.right, rect.bottom);
}

CPoint screenToWindow(void* window, const CPoint& screenPoint)
{
    POINT point = {screenPoint.x, screenPoint.y};
    MapWindowPoints(HWND_DESKTOP, toWindow(window), &point, 1);
    return CPoint(point.x, point.y);
}

void resizeWindow(void* window, std::int32_t width, std::int32_t height)
{
    SetWindowPos(toWindow(window), nullptr, 0, 0, width, height, SWP_NOMOVE);
}

void bringWindowToTop(void* window)
{
    BringWindowToTop(toWindow(window));
}

std::int32_t getDialogFrameThickness()
{
    return GetSystemMetrics(SM_CYDLGFRAME);
}

} // namespace VSTGUI::platform
