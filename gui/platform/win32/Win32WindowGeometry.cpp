// Window rectangles, parents and resizing on Windows, for the frame's position, size and the
// walk that resizes the host's windows around it.
#include "../FrameWindow.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace VSTGUI::platform {

namespace {
constexpr int kClassNameLength = 1024;
// In the walk of a resize: a parent this much larger is not a frame around the plug-in.
constexpr int kParentWalkLimit = 80;
constexpr const char* kMdiClientClassName = "MDIClient";

HWND toWindow(void* window)
{
    return static_cast<HWND>(window);
}

std::string windowClassName(HWND window)
{
    char name[kClassNameLength] = {};
    const int length = GetClassNameA(window, name, kClassNameLength);
    return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

int width(const RECT& rect)
{
    return rect.right - rect.left;
}

int height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

void resize(HWND window, int newWidth, int newHeight)
{
    SetWindowPos(window, nullptr, 0, 0, newWidth, newHeight, SWP_NOMOVE);
}
} // namespace

void* getParentWindow(void* window)
{
    return GetParent(toWindow(window));
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

void resizeWindow(void* window, std::int32_t newWidth, std::int32_t newHeight)
{
    resize(toWindow(window), newWidth, newHeight);
}

// Grows the frame window and the windows around it by the same amount, keeping each one's
// margin around the plug-in. The walk ends below an MDI client, at a window with a dialog
// frame's border around the last one, or at a window far larger than the plug-in.
bool resizeWithHostWindows(void* frameWindow, std::int32_t newWidth, std::int32_t newHeight)
{
    HWND current = toWindow(frameWindow);
    const int border = 2 * GetSystemMetrics(SM_CYDLGFRAME);
    if (border == 0) {
        resize(current, newWidth, newHeight);
        return true;
    }
    int extraWidth = 0;
    int extraHeight = 0;
    while (current != nullptr) {
        const HWND parent = GetParent(current);
        if (parent == nullptr || windowClassName(parent) == kMdiClientClassName)
            break;
        RECT currentRect = {};
        RECT parentRect = {};
        GetWindowRect(current, &currentRect);
        GetWindowRect(parent, &parentRect);
        resize(current, newWidth + extraWidth, newHeight + extraHeight);
        extraWidth += width(parentRect) - width(currentRect);
        extraHeight += height(parentRect) - height(currentRect);
        if (extraWidth > kParentWalkLimit || extraHeight > kParentWalkLimit)
            return false;
        extraWidth = std::max(extraWidth, 0);
        extraHeight = std::max(extraHeight, 0);
        current = parent;
        if (extraWidth == border) {
            resize(current, newWidth + extraWidth, newHeight + extraHeight);
            return true;
        }
    }
    if (current != nullptr)
        resize(current, newWidth + extraWidth, newHeight + extraHeight);
    return true;
}

void bringWindowToTop(void* window)
{
    BringWindowToTop(toWindow(window));
}

} // namespace VSTGUI::platform
