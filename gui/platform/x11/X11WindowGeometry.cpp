// Window geometry, cursor and drag-and-drop setup on X11. The host's windows are not the
// plug-in's to walk or resize: the frame resizes its own window and asks the host for the rest,
// so no walk finds a parent here.
#include "../FrameWindow.h"
#include "../Platform.h"
#include "X11FrameWindow.h"

#include <cstdint>

namespace VSTGUI::platform {

void* getParentWindow(void* /*window*/)
{
    return nullptr;
}

bool hasCaption(void* /*window*/)
{
    return false;
}

CRect getWindowScreenRect(void* window)
{
    const X11WindowHandle* handle = asWindowHandle(window);
    if (handle == nullptr)
        return CRect();
    const CPoint origin = getWindowScreenOrigin(window);
    return CRect(origin.x, origin.y, origin.x + handle->width, origin.y + handle->height);
}

CPoint screenToWindow(void* window, const CPoint& screenPoint)
{
    const CPoint origin = window != nullptr ? getWindowScreenOrigin(window) : CPoint(0, 0);
    return CPoint(screenPoint.x - origin.x, screenPoint.y - origin.y);
}

void resizeWindow(void* window, std::int32_t width, std::int32_t height)
{
    if (X11FrameWindow* frameWindow = frameWindowOf(window))
        frameWindow->resize(width, height);
}

// The host sizes its own windows, when asked through the effect.
bool resizeWithHostWindows(void* frameWindow, std::int32_t width, std::int32_t height)
{
    resizeWindow(frameWindow, width, height);
    return true;
}

void bringWindowToTop(void* /*window*/) {}

// Null is the default cursor; other shapes travel as their type, made on the window's own
// connection when set.
void* getCurrentCursor()
{
    return nullptr;
}

void* loadSystemCursor(CCursorType type)
{
    if (!hasCursorShape(type))
        return nullptr;
    return reinterpret_cast<void*>(static_cast<std::uintptr_t>(type) + 1);
}

void setCurrentCursor(void* cursor)
{
    X11FrameWindow* active = activeFrameWindow();
    if (active == nullptr)
        return;
    const auto token = reinterpret_cast<std::uintptr_t>(cursor);
    active->defineCursor(token == 0 ? kCursorArrow : static_cast<CCursorType>(token - 1));
}

// Drops arrive through the XDND protocol, which needs no per-thread setup.
bool initializeDragAndDrop()
{
    return false;
}

void uninitializeDragAndDrop() {}

} // namespace VSTGUI::platform
