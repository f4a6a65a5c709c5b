// The frame's window on X11: a window of its own connection, made directly inside the host's
// parent. The handle the framework passes around (FrameWindow::getHandle) points at the
// X11WindowHandle inside it, so every platform call reaches the connection of its window.
#pragma once

#include "../FrameWindow.h"
#include "X11KeyPassOn.h"

#include <X11/Xlib.h>

#include <cstdint>
#include <map>
#include <vector>

namespace VSTGUI::platform {

class X11FrameWindow;

// A window of the editor's beside the frame's own (a text field, a pop-up menu): its events
// come from the frame's drain, on the editor's one connection and thread.
class X11EventTarget {
public:
    virtual ~X11EventTarget() = default;
    // The handler may remove the target; the frame touches it no more afterwards.
    virtual void handleEvent(XEvent& event) = 0;
    // The frame's window goes and its connection closes: the target lets go of both.
    virtual void frameWindowClosing() = 0;
};

struct X11WindowHandle {
    X11FrameWindow* owner = nullptr;
    Display* display = nullptr;
    Window window = 0;
    Visual* visual = nullptr;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

class X11FrameWindow final : public FrameWindow {
public:
    X11FrameWindow(FrameWindowEvents& events, Display* display, Window parent);
    ~X11FrameWindow() override;

    X11FrameWindow(const X11FrameWindow&) = delete;
    X11FrameWindow& operator=(const X11FrameWindow&) = delete;

    // False when the parent is unknown to the server or the window could not be made.
    bool create(std::int32_t width, std::int32_t height);
    void* getHandle() const override;

    // The host's idle: forgets the keys delivered since the last one, then drains.
    void dispatchEvents();
    // Handles every waiting event without blocking and paints the merged exposures once.
    // Nested calls (from a tracking loop inside an event) take only exposures, destruction and
    // the events of the targets.
    void drainEvents();
    // A key the window handled since the last idle, taken from the record; false when none
    // matches. Drains first, so a key the host forwards before that idle is found too.
    bool takeDeliveredKey(const VstKeyCode& keyCode, bool pressed, bool& handled);
    void resize(std::int32_t width, std::int32_t height);
    void defineCursor(CCursorType type);
    // Removes a waiting press of the first button; true when there was one.
    bool takePrimaryButtonPress();

    // The target gets the events of window until it is removed.
    void addEventTarget(Window window, X11EventTarget& target);
    void removeEventTarget(Window window);
    // A key a target handled itself counts as delivered, so the host's forwarded copy is not
    // handled again, and stays with the editor.
    void noteKeyHandled(XKeyEvent& event);
    // A platform loop that keeps the thread (a pop-up menu's) gives the frame its idle.
    void modalLoopIdle();

    const X11WindowHandle& handle() const { return windowHandle; }

private:
    // A drain on the stack, told when the window object goes during it.
    struct Drain {
        Drain* outer;
        bool frameGone = false;
    };

    struct DeliveredKey {
        VstKeyCode keyCode;
        bool pressed;
        bool handled;
    };

    void handle(XEvent& event, CRect& exposed, bool& destroyed);
    static Bool isTargetEvent(Display* display, XEvent* event, XPointer frameWindow);
    void deliverKey(XKeyEvent& event);
    void rememberKey(const VstKeyCode& keyCode, bool pressed, bool handled);
    void destroyWindow();

    FrameWindowEvents& events;
    X11WindowHandle windowHandle;
    Window parent;
    bool alive = false;
    bool dispatching = false;
    std::map<CCursorType, Cursor> cursors;
    std::vector<DeliveredKey> deliveredKeys;
    X11KeyPassOn keyPassOn;
    std::map<Window, X11EventTarget*> targets;
    Drain* drains = nullptr;
};

// The frame window whose events this thread handles now, else the one made last; null when
// no editor is open. The input queries of Platform.h ask its connection.
X11FrameWindow* activeFrameWindow();
// The handle as the framework holds it: null, or a pointer to an X11WindowHandle.
const X11WindowHandle* asWindowHandle(void* window);
X11FrameWindow* frameWindowOf(void* window);

bool hasCursorShape(CCursorType type);

// While a press is handled, until its handler first drains events again, the pointer and
// modifier state are the press's own: a click whose button is up again by the next idle
// still reads as a click, with the modifiers held at the time.
struct PressState {
    bool valid = false;
    CPoint root;
    unsigned int mask = 0;
};
const PressState& currentPressState();

// The clocks in milliseconds: one steady clock for ticks and event times alike.
std::uint32_t tickCount();
std::uint32_t lastPressTime();

} // namespace VSTGUI::platform
