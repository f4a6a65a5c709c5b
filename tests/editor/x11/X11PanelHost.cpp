#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "X11PanelHost.h"

#include "platform/x11/X11Connection.h"

#include <X11/extensions/XTest.h>

#include <X11/Xproto.h>

#include <chrono>
#include <mutex>
#include <thread>

namespace {
constexpr intptr kHostVersion = 2400;
constexpr unsigned long kParentBackground = 0x00FF00;
constexpr long kParentEvents = StructureNotifyMask;
constexpr long kKeyEvents = KeyPressMask | KeyReleaseMask;
// Polls for events another client makes: short sleeps, and a bound that only ends a failing test.
constexpr auto kPollSleep = std::chrono::milliseconds(5);
constexpr int kPollLimit = 1000;
thread_local X11PanelHost* constructingHost = nullptr;

PanelPixel toPixel(unsigned long value)
{
    return {static_cast<int>((value >> 16) & 0xFF), static_cast<int>((value >> 8) & 0xFF),
            static_cast<int>(value & 0xFF)};
}

// False when the server knows no such window.
bool childWindows(Display* display, Window window, std::vector<Window>& children)
{
    Window root = 0;
    Window parentOfWindow = 0;
    Window* list = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, window, &root, &parentOfWindow, &list, &count) == 0)
        return false;
    children.assign(list, list + count);
    if (list != nullptr)
        XFree(list);
    return true;
}
} // namespace

// Windows of the plug-in's (a pop-up menu's) may go between the test's listing and its query
// of them; such a query's failure is no fault. Installed once, from the first test's own
// thread, before any plug-in handler is chained to it.
namespace {
XErrorHandler defaultErrorHandler = nullptr;

int toleratingVanishedWindows(Display* display, XErrorEvent* error)
{
    const bool query = error->request_code == X_GetWindowAttributes || error->request_code == X_GetProperty
                       || error->request_code == X_QueryTree;
    if (error->error_code == BadWindow && query)
        return 0;
    return defaultErrorHandler != nullptr ? defaultErrorHandler(display, error) : 0;
}
} // namespace

Display* openTestDisplay()
{
    static std::once_flag installed;
    std::call_once(installed, [] { defaultErrorHandler = XSetErrorHandler(toleratingVanishedWindows); });
    return VSTGUI::platform::openDisplayConnection();
}

void closeTestDisplay(Display* display)
{
    XCloseDisplay(display);
}

std::vector<Window> childWindowsOf(Display* display, Window window)
{
    std::vector<Window> children;
    childWindows(display, window, children);
    return children;
}

std::vector<Window> shownPopupWindows(Display* display)
{
    std::vector<Window> shown;
    for (const Window window : childWindowsOf(display, DefaultRootWindow(display))) {
        XWindowAttributes attributes = {};
        if (XGetWindowAttributes(display, window, &attributes) != 0 && attributes.override_redirect
            && attributes.map_state == IsViewable)
            shown.push_back(window);
    }
    return shown;
}

std::string windowName(Display* display, Window window)
{
    char* name = nullptr;
    if (XFetchName(display, window, &name) == 0 || name == nullptr)
        return std::string();
    std::string text(name);
    XFree(name);
    return text;
}

WindowPlace windowPlace(Display* display, Window window)
{
    XWindowAttributes attributes = {};
    XGetWindowAttributes(display, window, &attributes);
    return {attributes.x, attributes.y, attributes.width, attributes.height};
}

bool inputGrabbable(Display* display)
{
    const Window root = DefaultRootWindow(display);
    const bool pointer =
        XGrabPointer(display, root, False, ButtonPressMask, GrabModeAsync, GrabModeAsync, None, None, CurrentTime)
        == GrabSuccess;
    const bool keyboard = XGrabKeyboard(display, root, False, GrabModeAsync, GrabModeAsync, CurrentTime) == GrabSuccess;
    XUngrabPointer(display, CurrentTime);
    XUngrabKeyboard(display, CurrentTime);
    XSync(display, False);
    return pointer && keyboard;
}

X11PanelHost::X11PanelHost(Display* display_, std::shared_ptr<PluginLibrary> library_, EditorSize editorSize)
    : display(display_), library(std::move(library_))
{
    if (library == nullptr)
        library = std::make_shared<PluginLibrary>(PluginLibrary::builtPluginPath());
    const PluginEntryProc entry = library->isLoaded() ? library->entryPoint("VSTPluginMain") : nullptr;
    if (entry != nullptr) {
        constructingHost = this;
        current = entry(callback);
        constructingHost = nullptr;
    }
    if (current != nullptr) {
        current->resvd1 = reinterpret_cast<intptr>(this);
        dispatch(effOpen);
    }
    // At the origin of the screen, so editor and screen coordinates agree (Xvfb has no window
    // manager to move it).
    XSetWindowAttributes attributes = {};
    attributes.background_pixel = kParentBackground;
    attributes.event_mask = kParentEvents;
    parentWindow = XCreateWindow(display, DefaultRootWindow(display), 0, 0,
                                 static_cast<unsigned int>(editorSize.width),
                                 static_cast<unsigned int>(editorSize.height), 0, CopyFromParent, InputOutput, CopyFromParent,
                                 CWBackPixel | CWEventMask, &attributes);
    XMapWindow(display, parentWindow);
    XEvent event;
    do
        XWindowEvent(display, parentWindow, StructureNotifyMask, &event);
    while (event.type != MapNotify);
}

X11PanelHost::~X11PanelHost()
{
    closeEffect();
    if (parentWindow != 0)
        XDestroyWindow(display, parentWindow);
    XSync(display, False);
}

intptr X11PanelHost::callback(AEffect* effect, int32 opcode, int32 index, intptr /*value*/, void* ptr, float /*opt*/)
{
    X11PanelHost* host = effect != nullptr ? reinterpret_cast<X11PanelHost*>(effect->resvd1) : constructingHost;
    switch (opcode) {
    case audioMasterVersion:
        return kHostVersion;
    case audioMasterIdle:
        if (host != nullptr) {
            ++host->idleCount;
            if (host->idleAction && host->idleAction())
                host->idleAction = nullptr;
        }
        return 0;
    case audioMasterBeginEdit:
    case audioMasterEndEdit:
    case audioMasterAutomate:
        if (host != nullptr) {
            if (opcode == audioMasterBeginEdit)
                ++host->beginCount;
            std::lock_guard<std::mutex> lock(host->requestMutex);
            host->requests.push_back(opcode);
            host->requests.push_back(index);
        }
        return 1;
    case audioMasterCanDo:
        return 0;
    default:
        (void)ptr;
        return 0;
    }
}

intptr X11PanelHost::dispatch(int32 opcode, int32 index, intptr value, void* ptr, float opt)
{
    return current != nullptr ? current->dispatcher(current, opcode, index, value, ptr, opt) : 0;
}

bool X11PanelHost::openEditor()
{
    XSync(display, False);
    const intptr opened = dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(parentWindow));
    idle();
    return opened == 1;
}

void X11PanelHost::idle(int passes)
{
    for (int i = 0; i < passes; ++i)
        dispatch(effEditIdle);
    XSync(display, False);
}

void X11PanelHost::closeEffect()
{
    if (current == nullptr)
        return;
    dispatch(effClose);
    current = nullptr;
}

void X11PanelHost::destroyParent()
{
    XDestroyWindow(display, parentWindow);
    XSync(display, False);
    parentWindow = 0;
}

int X11PanelHost::childWindowCount() const
{
    std::vector<Window> children;
    if (!childWindows(display, parentWindow, children))
        return -1;
    return static_cast<int>(children.size());
}

Window X11PanelHost::editorWindow() const
{
    std::vector<Window> children;
    if (!childWindows(display, parentWindow, children) || children.size() != 1)
        return 0;
    return children.front();
}

Window X11PanelHost::inputFocus() const
{
    Window focus = 0;
    int revertTo = 0;
    XGetInputFocus(display, &focus, &revertTo);
    return focus;
}

void X11PanelHost::focusParent()
{
    XSetInputFocus(display, parentWindow, RevertToParent, CurrentTime);
    XSync(display, False);
}

void X11PanelHost::listenForKeys()
{
    XSelectInput(display, parentWindow, kParentEvents | kKeyEvents);
    XSync(display, False);
}

std::vector<ParentKey> X11PanelHost::keysAtParent(const char* lastKey)
{
    std::vector<ParentKey> keys;
    const std::string last(lastKey);
    for (int poll = 0; poll < kPollLimit; ++poll) {
        XSync(display, False);
        XEvent event;
        while (XCheckWindowEvent(display, parentWindow, kKeyEvents, &event)) {
            const XKeyEvent& key = event.xkey;
            const char* name = XKeysymToString(XLookupKeysym(&event.xkey, 0));
            keys.push_back({name != nullptr ? name : "", key.type == KeyPress, key.send_event != 0, key.subwindow,
                            key.x, key.y, key.state});
            if (!keys.back().pressed && keys.back().key == last)
                return keys;
        }
        std::this_thread::sleep_for(kPollSleep);
    }
    return {};
}

void X11PanelHost::sendKeyToEditor(const char* name, bool pressed)
{
    const Window editor = editorWindow();
    XEvent event = {};
    event.xkey.type = pressed ? KeyPress : KeyRelease;
    event.xkey.display = display;
    event.xkey.window = editor;
    event.xkey.root = DefaultRootWindow(display);
    event.xkey.time = CurrentTime;
    event.xkey.same_screen = True;
    event.xkey.keycode = XKeysymToKeycode(display, XStringToKeysym(name));
    XSendEvent(display, editor, False, pressed ? KeyPressMask : KeyReleaseMask, &event);
    XSync(display, False);
}

PanelPixel X11PanelHost::pixel(int x, int y) const
{
    return pixels(x, y, x + 1, y + 1).front();
}

std::vector<PanelPixel> X11PanelHost::pixels(int left, int top, int right, int bottom) const
{
    std::vector<PanelPixel> result;
    XImage* image = XGetImage(display, parentWindow, left, top, static_cast<unsigned int>(right - left),
                              static_cast<unsigned int>(bottom - top), AllPlanes, ZPixmap);
    if (image == nullptr)
        return result;
    for (int y = 0; y < bottom - top; ++y) {
        for (int x = 0; x < right - left; ++x)
            result.push_back(toPixel(XGetPixel(image, x, y)));
    }
    XDestroyImage(image);
    return result;
}

std::vector<int32> X11PanelHost::editRequests()
{
    std::lock_guard<std::mutex> lock(requestMutex);
    return requests;
}

void X11PanelHost::clearRequests()
{
    std::lock_guard<std::mutex> lock(requestMutex);
    requests.clear();
}

// Waiting, not timing: the loop ends when the plug-in has called back, whenever that is.
void X11PanelHost::awaitIdleRequests(int count) const
{
    const int target = idleCount.load() + count;
    while (idleCount.load() < target)
        std::this_thread::yield();
}

FakeInput::FakeInput() : display(VSTGUI::platform::openDisplayConnection()) {}

FakeInput::~FakeInput()
{
    if (display != nullptr)
        XCloseDisplay(display);
}

void FakeInput::moveTo(int x, int y)
{
    XTestFakeMotionEvent(display, DefaultScreen(display), x, y, CurrentTime);
    XSync(display, False);
}

void FakeInput::button(unsigned int button, bool pressed)
{
    XTestFakeButtonEvent(display, button, pressed ? True : False, CurrentTime);
    XSync(display, False);
}

void FakeInput::click(unsigned int which)
{
    button(which, true);
    button(which, false);
}

void FakeInput::controlKey(bool pressed)
{
    key("Control_L", pressed);
}

void FakeInput::key(const char* name, bool pressed)
{
    XTestFakeKeyEvent(display, XKeysymToKeycode(display, XStringToKeysym(name)), pressed ? True : False, CurrentTime);
    XSync(display, False);
}

void FakeInput::tapKey(const char* name)
{
    key(name, true);
    key(name, false);
}
