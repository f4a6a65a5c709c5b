// Index: [SECTION] Registry and clocks, Creation and destruction, Events, Size and cursor.
#include "X11FrameWindow.h"

#include "X11Connection.h"
#include "X11ErrorScope.h"
#include "X11Keys.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <vector>

namespace VSTGUI::platform {

namespace {
constexpr long kEventMask = ExposureMask | ButtonPressMask | KeyPressMask | KeyReleaseMask | StructureNotifyMask;
// Buttons 4 to 7 are one wheel notch each: up, down, left, right.
constexpr unsigned int kFirstWheelButton = 4;
constexpr unsigned int kLastWheelButton = 7;
// _XEMBED_INFO: protocol version 0, mapped.
constexpr long kEmbedVersion = 0;
constexpr long kEmbedMapped = 1;
// Far more keys than one idle interval sees.
constexpr std::size_t kMaxDeliveredKeys = 64;

std::mutex registryMutex;
std::vector<X11FrameWindow*> openWindows;
thread_local X11FrameWindow* dispatchingWindow = nullptr;
thread_local PressState pressState;
std::atomic<std::uint32_t> pressTime{0};

void turnWheel(FrameWindowEvents& events, const CPoint& where, unsigned int button)
{
    struct Notch {
        CMouseWheelAxis axis;
        float distance;
    };
    constexpr Notch kNotches[] = {{kWheelAxisY, 1.0f}, {kWheelAxisY, -1.0f}, {kWheelAxisX, -1.0f}, {kWheelAxisX, 1.0f}};
    const Notch& notch = kNotches[button - kFirstWheelButton];
    events.wheelTurned(where, notch.axis, notch.distance);
}

unsigned int cursorShape(CCursorType type)
{
    switch (type) {
    case kCursorBusy:
        return XC_watch;
    case kCursorResizeWE:
        return XC_sb_h_double_arrow;
    case kCursorResizeNS:
        return XC_sb_v_double_arrow;
    case kCursorMove:
        return XC_fleur;
    case kCursorResizeNESW:
        return XC_bottom_left_corner;
    case kCursorResizeNWSE:
        return XC_bottom_right_corner;
    case kCursorForbidden:
        return XC_X_cursor;
    case kCursorPointingHand:
        return XC_hand2;
    default:
        return XC_num_glyphs;
    }
}

CRect unite(const CRect& a, const CRect& b)
{
    if (a.width() <= 0 || a.height() <= 0)
        return b;
    return CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                 std::max(a.bottom, b.bottom));
}

void setFixedSize(Display* display, Window window, std::int32_t width, std::int32_t height)
{
    XSizeHints hints = {};
    hints.flags = PSize | PMinSize | PMaxSize | PBaseSize;
    hints.width = hints.min_width = hints.max_width = hints.base_width = width;
    hints.height = hints.min_height = hints.max_height = hints.base_height = height;
    XSetWMNormalHints(display, window, &hints);
}

Bool isPrimaryPress(Display* /*display*/, XEvent* event, XPointer window)
{
    return event->type == ButtonPress && event->xbutton.button == Button1
           && event->xbutton.window == *reinterpret_cast<Window*>(window);
}
} // namespace

// [SECTION] Registry and clocks

bool hasCursorShape(CCursorType type)
{
    return cursorShape(type) != XC_num_glyphs;
}

X11FrameWindow* activeFrameWindow()
{
    if (dispatchingWindow != nullptr)
        return dispatchingWindow;
    std::lock_guard<std::mutex> lock(registryMutex);
    return openWindows.empty() ? nullptr : openWindows.back();
}

const X11WindowHandle* asWindowHandle(void* window)
{
    return static_cast<const X11WindowHandle*>(window);
}

X11FrameWindow* frameWindowOf(void* window)
{
    return window != nullptr ? asWindowHandle(window)->owner : nullptr;
}

std::uint32_t tickCount()
{
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}

const PressState& currentPressState()
{
    return pressState;
}

std::uint32_t lastPressTime()
{
    return pressTime.load();
}

// [SECTION] Creation and destruction

X11FrameWindow::X11FrameWindow(FrameWindowEvents& events_, Display* display, Window parent_)
    : events(events_), parent(parent_), keyPassOn(parent_)
{
    windowHandle.owner = this;
    windowHandle.display = display;
    std::lock_guard<std::mutex> lock(registryMutex);
    openWindows.push_back(this);
}

X11FrameWindow::~X11FrameWindow()
{
    {
        std::lock_guard<std::mutex> lock(registryMutex);
        openWindows.erase(std::remove(openWindows.begin(), openWindows.end(), this), openWindows.end());
    }
    if (dispatchingWindow == this)
        dispatchingWindow = nullptr;
    destroyWindow();
    if (drains == nullptr) {
        XCloseDisplay(windowHandle.display);
        return;
    }
    for (Drain* drain = drains; drain != nullptr; drain = drain->outer)
        drain->frameGone = true;
}

// A new connection may not know the parent yet: the sync comes first.
bool X11FrameWindow::create(std::int32_t width, std::int32_t height)
{
    Display* display = windowHandle.display;
    X11ErrorScope scope(display);
    XSync(display, False);
    XWindowAttributes parentAttributes = {};
    if (XGetWindowAttributes(display, parent, &parentAttributes) == 0 || scope.failed())
        return false;
    XSetWindowAttributes attributes = {};
    attributes.event_mask = kEventMask;
    attributes.colormap = parentAttributes.colormap;
    attributes.border_pixel = 0;
    attributes.background_pixmap = None;
    const Window window = XCreateWindow(display, parent, 0, 0, static_cast<unsigned int>(width),
                                        static_cast<unsigned int>(height), 0, parentAttributes.depth,
                                        InputOutput, parentAttributes.visual,
                                        CWEventMask | CWColormap | CWBorderPixel | CWBackPixmap, &attributes);
    if (window == 0 || scope.failed())
        return false;
    windowHandle.window = window;
    windowHandle.visual = parentAttributes.visual;
    windowHandle.width = width;
    windowHandle.height = height;
    alive = true;
    setFixedSize(display, window, width, height);
    const Atom embedInfo = XInternAtom(display, "_XEMBED_INFO", False);
    const long embedData[2] = {kEmbedVersion, kEmbedMapped};
    XChangeProperty(display, window, embedInfo, embedInfo, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(embedData), 2);
    XMapWindow(display, window);
    if (scope.failed()) {
        destroyWindow();
        return false;
    }
    return true;
}

void* X11FrameWindow::getHandle() const
{
    return alive ? const_cast<X11WindowHandle*>(&windowHandle) : nullptr;
}

// The window may already be gone with its parent; the scope swallows that error.
void X11FrameWindow::destroyWindow()
{
    std::map<Window, X11EventTarget*> closing;
    closing.swap(targets);
    for (const auto& [window, target] : closing)
        target->frameWindowClosing();
    X11ErrorScope scope(windowHandle.display);
    if (alive)
        XDestroyWindow(windowHandle.display, windowHandle.window);
    for (const auto& [type, cursor] : cursors)
        XFreeCursor(windowHandle.display, cursor);
    cursors.clear();
    alive = false;
}

// [SECTION] Events

void X11FrameWindow::dispatchEvents()
{
    if (!dispatching)
        deliveredKeys.clear();
    drainEvents();
}

// A handler may destroy this object (the editor closed from a pop-up's loop): the drain then
// touches nothing of it, and the outermost drain closes the connection once it is done.
void X11FrameWindow::drainEvents()
{
    if (!alive)
        return;
    Display* display = windowHandle.display;
    const Window window = windowHandle.window;
    X11FrameWindow* const outerWindow = dispatchingWindow;
    dispatchingWindow = this;
    Drain drain{drains};
    drains = &drain;
    CRect exposed;
    bool destroyed = false;
    {
        X11ErrorScope scope(display);
        XEvent event;
        const auto going = [&] { return destroyed || drain.frameGone; };
        if (dispatching) {
            pressState.valid = false;
            while (!going() && XCheckTypedWindowEvent(display, window, DestroyNotify, &event))
                handle(event, exposed, destroyed);
            while (!going() && XCheckTypedWindowEvent(display, window, Expose, &event))
                handle(event, exposed, destroyed);
            while (!going() && XCheckIfEvent(display, &event, isTargetEvent, reinterpret_cast<XPointer>(this)))
                handle(event, exposed, destroyed);
        } else {
            dispatching = true;
            while (!going() && XPending(display) > 0) {
                XNextEvent(display, &event);
                handle(event, exposed, destroyed);
            }
            if (!drain.frameGone)
                dispatching = false;
        }
    }
    dispatchingWindow = outerWindow;
    if (drain.frameGone) {
        if (drain.outer == nullptr)
            XCloseDisplay(display);
        return;
    }
    drains = drain.outer;
    if (destroyed) {
        events.windowDestroyed();
        return;
    }
    if (exposed.width() > 0 && exposed.height() > 0)
        events.windowNeedsPaint(nullptr, exposed);
}

// Presses are handled at once, so a tracking loop they start sees the later events itself.
void X11FrameWindow::handle(XEvent& event, CRect& exposed, bool& destroyed)
{
    const auto target = targets.find(event.xany.window);
    if (target != targets.end()) {
        target->second->handleEvent(event);
        return;
    }
    // Events of a target's window that came after the target went.
    if (event.xany.window != windowHandle.window)
        return;
    switch (event.type) {
    case Expose:
        exposed = unite(exposed, CRect(event.xexpose.x, event.xexpose.y, event.xexpose.x + event.xexpose.width,
                                       event.xexpose.y + event.xexpose.height));
        break;
    case DestroyNotify:
        if (event.xdestroywindow.window == windowHandle.window) {
            alive = false;
            destroyed = true;
        }
        break;
    case ButtonPress: {
        const CPoint where(event.xbutton.x, event.xbutton.y);
        if (event.xbutton.button >= kFirstWheelButton && event.xbutton.button <= kLastWheelButton) {
            turnWheel(events, where, event.xbutton.button);
        } else if (event.xbutton.button <= Button3) {
            pressTime.store(tickCount());
            // Keys go to the window clicked last, as the user expects of any window.
            XSetInputFocus(windowHandle.display, windowHandle.window, RevertToParent, event.xbutton.time);
            pressState = {true, CPoint(event.xbutton.x_root, event.xbutton.y_root),
                          event.xbutton.state | (Button1Mask << (event.xbutton.button - Button1))};
            events.mouseButtonPressed(where);
            pressState.valid = false;
        }
        break;
    }
    case KeyPress:
    case KeyRelease:
        deliverKey(event.xkey);
        break;
    default:
        break;
    }
}

// Modifier keys alone are no key press for the views, but the host tracks them.
void X11FrameWindow::deliverKey(XKeyEvent& event)
{
    VstKeyCode keyCode = keyCodeOf(event);
    bool handled = false;
    if (keyCode.virt != 0 || keyCode.character != 0) {
        const bool pressed = event.type == KeyPress;
        handled = pressed ? events.keyPressed(keyCode) : events.keyReleased(keyCode);
        rememberKey(keyCode, pressed, handled);
    }
    keyPassOn.keyEvent(event, handled);
}

// A host that forwards keys but never gives the editor its idle would otherwise let the
// record grow without end.
void X11FrameWindow::rememberKey(const VstKeyCode& keyCode, bool pressed, bool handled)
{
    if (deliveredKeys.size() >= kMaxDeliveredKeys)
        deliveredKeys.erase(deliveredKeys.begin());
    deliveredKeys.push_back({keyCode, pressed, handled});
}

bool X11FrameWindow::takeDeliveredKey(const VstKeyCode& keyCode, bool pressed, bool& handled)
{
    drainEvents();
    const auto found = std::find_if(deliveredKeys.begin(), deliveredKeys.end(), [&](const DeliveredKey& key) {
        return key.pressed == pressed && isSameKey(key.keyCode, keyCode);
    });
    if (found == deliveredKeys.end())
        return false;
    handled = found->handled;
    deliveredKeys.erase(found);
    return true;
}

Bool X11FrameWindow::isTargetEvent(Display* /*display*/, XEvent* event, XPointer frameWindow)
{
    const auto& targets = reinterpret_cast<X11FrameWindow*>(frameWindow)->targets;
    return targets.find(event->xany.window) != targets.end() ? True : False;
}

void X11FrameWindow::addEventTarget(Window window, X11EventTarget& target)
{
    targets[window] = &target;
}

void X11FrameWindow::removeEventTarget(Window window)
{
    targets.erase(window);
}

void X11FrameWindow::noteKeyHandled(XKeyEvent& event)
{
    const VstKeyCode keyCode = keyCodeOf(event);
    if (keyCode.virt != 0 || keyCode.character != 0)
        rememberKey(keyCode, event.type == KeyPress, true);
    keyPassOn.keyEvent(event, true);
}

void X11FrameWindow::modalLoopIdle()
{
    events.modalLoopIdle();
}

bool X11FrameWindow::takePrimaryButtonPress()
{
    if (!alive)
        return false;
    X11ErrorScope scope(windowHandle.display);
    XEvent event;
    Window window = windowHandle.window;
    return XCheckIfEvent(windowHandle.display, &event, isPrimaryPress, reinterpret_cast<XPointer>(&window)) != 0;
}

// [SECTION] Size and cursor

void X11FrameWindow::resize(std::int32_t width, std::int32_t height)
{
    if (!alive || width <= 0 || height <= 0)
        return;
    X11ErrorScope scope(windowHandle.display);
    setFixedSize(windowHandle.display, windowHandle.window, width, height);
    XResizeWindow(windowHandle.display, windowHandle.window, static_cast<unsigned int>(width),
                  static_cast<unsigned int>(height));
    windowHandle.width = width;
    windowHandle.height = height;
}

// Cursors are made once per shape and go with the window.
void X11FrameWindow::defineCursor(CCursorType type)
{
    if (!alive)
        return;
    X11ErrorScope scope(windowHandle.display);
    const unsigned int shape = cursorShape(type);
    if (shape == XC_num_glyphs) {
        XUndefineCursor(windowHandle.display, windowHandle.window);
        return;
    }
    auto found = cursors.find(type);
    if (found == cursors.end())
        found = cursors.emplace(type, XCreateFontCursor(windowHandle.display, shape)).first;
    XDefineCursor(windowHandle.display, windowHandle.window, found->second);
}

bool takeKeyDeliveredByWindow(void* window, const VstKeyCode& keyCode, bool pressed, bool& handled)
{
    X11FrameWindow* frameWindow = frameWindowOf(window);
    return frameWindow != nullptr && frameWindow->takeDeliveredKey(keyCode, pressed, handled);
}

std::unique_ptr<FrameWindow> createFrameWindow(void* parent, std::int32_t width, std::int32_t height,
                                               FrameWindowEvents& events)
{
    if (parent == nullptr || width <= 0 || height <= 0)
        return nullptr;
    Display* display = openDisplayConnection();
    if (display == nullptr)
        return nullptr;
    auto window = std::make_unique<X11FrameWindow>(events, display,
                                                   static_cast<Window>(reinterpret_cast<std::uintptr_t>(parent)));
    if (!window->create(width, height))
        return nullptr;
    return window;
}

} // namespace VSTGUI::platform
