// What the frame needs from the windowing system: its own child window inside the host's
// parent and the events that window receives, window rectangles and resizing for the parent
// walk, cursor shapes, and the per-thread setup that drag and drop relies on.
// gui/platform/win32/ implements it for Windows.
#pragma once

#include "../CPoint.h"
#include "../CRect.h"
#include "../GuiEnums.h"
#include "HostTypes.h"

#include <cstdint>
#include <memory>

namespace VSTGUI {
class CFrame;
}

namespace VSTGUI::platform {

// [SECTION] The frame's window
// Events of the frame's window, delivered on the thread that owns it. A handler may destroy
// the window; the platform touches nothing of it afterwards.
class FrameWindowEvents {
public:
    virtual ~FrameWindowEvents() = default;

    // systemContext is the paint surface, valid only during the call.
    virtual void windowNeedsPaint(void* systemContext, const CRect& updateRect) = 0;
    // Window coordinates.
    virtual void mouseButtonPressed(const CPoint& where) = 0;
    // Window coordinates; one notch is 1.0. On the vertical axis turning towards the user is
    // negative, on the horizontal one turning left is.
    virtual void wheelTurned(const CPoint& where, CMouseWheelAxis axis, float distance) = 0;
    // A key the window received itself; true when a view handled it.
    virtual bool keyPressed(VstKeyCode& keyCode) = 0;
    virtual bool keyReleased(VstKeyCode& keyCode) = 0;
    // The window is gone, destroyed by its owner or from outside.
    virtual void windowDestroyed() = 0;
    // A loop of the platform's that keeps the thread (a pop-up menu's) passes: the host would
    // get no idle otherwise.
    virtual void modalLoopIdle() = 0;
};

// A child window at (0, 0) of the given size. Destroying the object destroys the window if it
// still exists, without telling the events; the window class lives while one object does.
class FrameWindow {
public:
    virtual ~FrameWindow() = default;

    // Null once the window has been destroyed from outside.
    virtual void* getHandle() const = 0;
};

// Where a window receives keys itself and the host forwards them too, one press must act once.
// When the window already delivered this key (pressed or released) since the host's last
// idle, it is taken from the window's record and handled tells what the views answered then.
bool takeKeyDeliveredByWindow(void* window, const VstKeyCode& keyCode, bool pressed, bool& handled);

// Null when parent is null or the window cannot be made.
std::unique_ptr<FrameWindow> createFrameWindow(void* parent, std::int32_t width, std::int32_t height,
                                               FrameWindowEvents& events);

// [SECTION] Window geometry, for any window
void* getParentWindow(void* window);
bool hasCaption(void* window);
CRect getWindowScreenRect(void* window);
// From screen coordinates into the client coordinates of window (the screen itself when null).
CPoint screenToWindow(void* window, const CPoint& screenPoint);
// Keeps the window's position.
void resizeWindow(void* window, std::int32_t width, std::int32_t height);
// Resizes the frame's window and, where the platform lets a plug-in do that, the host's windows
// that frame it, each keeping its margin around the plug-in. False when it stopped at a window
// far larger than the plug-in, which is then not the plug-in's to resize.
bool resizeWithHostWindows(void* frameWindow, std::int32_t width, std::int32_t height);
void bringWindowToTop(void* window);

// [SECTION] Cursor
void* getCurrentCursor();
// The system cursor for a shape; null for the shapes that mean the default one.
void* loadSystemCursor(CCursorType type);
void setCurrentCursor(void* cursor);

// [SECTION] Drag and drop setup for the calling thread
// False when it failed; then it must not be undone, or the host's own setup would be.
bool initializeDragAndDrop();
void uninitializeDragAndDrop();

// The window hands the drags over it to the frame while the object lives. Its destruction
// stops the delivery at once, even to a drag loop that still holds the platform's target.
class DropRegistration {
public:
    virtual ~DropRegistration() = default;
};

// Null when drops cannot be received here or the platform refused the registration.
std::unique_ptr<DropRegistration> registerDropTarget(void* window, CFrame& frame);

} // namespace VSTGUI::platform
