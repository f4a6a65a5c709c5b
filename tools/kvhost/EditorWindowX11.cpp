// Index: [SECTION] Window, Real input, Capture, Showing the editor.
#include "EditorWindow.h"

#include "KvhostError.h"
#include "PngFile.h"
#include "platform/x11/X11Connection.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>

namespace {
constexpr auto kIdleInterval = std::chrono::milliseconds(20);
// After opening and after the drag, a few idle passes let the panel paint and the label under
// the knob be rewritten.
constexpr int kIdlePassesAfterInput = 3;
constexpr int kDragSteps = 20;
constexpr auto kDragStepPause = std::chrono::milliseconds(15);
constexpr unsigned int kLeftButton = 1;

// [SECTION] Window

class HostWindow {
public:
    HostWindow(int width_, int height_) : display(VSTGUI::platform::openDisplayConnection()), width(width_), height(height_)
    {
        if (display == nullptr)
            throw KvhostError("no X display: set DISPLAY to an X server (Xvfb) to show the editor");
        const int screen = DefaultScreen(display);
        window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, static_cast<unsigned int>(width),
                                     static_cast<unsigned int>(height), 0, BlackPixel(display, screen),
                                     BlackPixel(display, screen));
        XStoreName(display, window, "Kestrovanel");
        deleteMessage = XInternAtom(display, "WM_DELETE_WINDOW", False);
        XSetWMProtocols(display, window, &deleteMessage, 1);
        XSelectInput(display, window, StructureNotifyMask);
        XMapWindow(display, window);
        XEvent event;
        do
            XWindowEvent(display, window, StructureNotifyMask, &event);
        while (event.type != MapNotify);
    }

    ~HostWindow()
    {
        XDestroyWindow(display, window);
        XCloseDisplay(display);
    }

    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    void* parentHandle() const { return reinterpret_cast<void*>(static_cast<std::uintptr_t>(window)); }

    // Handles what is waiting; false once the user asked the window to close.
    bool pumpEvents()
    {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ClientMessage && static_cast<Atom>(event.xclient.data.l[0]) == deleteMessage)
                return false;
        }
        return true;
    }

    // A point of the window in screen coordinates, wherever a window manager put it.
    void toScreen(int x, int y, int& screenX, int& screenY) const
    {
        Window child = 0;
        XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &screenX, &screenY, &child);
    }

    RgbImage capture() const;

private:
    Display* display;
    Window window = 0;
    Atom deleteMessage = 0;
    int width;
    int height;
};

// [SECTION] Real input

// Press, move in steps, release: the events come from the X test extension on a connection
// of their own, as a person's mouse would send them.
void performDrag(int startX, int startY, int dx, int dy)
{
    Display* input = VSTGUI::platform::openDisplayConnection();
    if (input == nullptr)
        return;
    const int screen = DefaultScreen(input);
    XTestFakeMotionEvent(input, screen, startX, startY, CurrentTime);
    XTestFakeButtonEvent(input, kLeftButton, True, CurrentTime);
    XSync(input, False);
    for (int step = 1; step <= kDragSteps; ++step) {
        std::this_thread::sleep_for(kDragStepPause);
        XTestFakeMotionEvent(input, screen, startX + dx * step / kDragSteps, startY + dy * step / kDragSteps,
                             CurrentTime);
        XSync(input, False);
    }
    std::this_thread::sleep_for(kDragStepPause);
    XTestFakeButtonEvent(input, kLeftButton, False, CurrentTime);
    XSync(input, False);
    XCloseDisplay(input);
}

// [SECTION] Capture

// The window's pixels with the editor inside it, read back from the server.
RgbImage HostWindow::capture() const
{
    XSync(display, False);
    XImage* image =
        XGetImage(display, window, 0, 0, static_cast<unsigned int>(width), static_cast<unsigned int>(height),
                  AllPlanes, ZPixmap);
    if (image == nullptr)
        throw KvhostError("the editor window could not be captured");
    RgbImage result{width, height, {}};
    result.pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            result.pixels.push_back(static_cast<std::uint8_t>((pixel & image->red_mask) >> 16));
            result.pixels.push_back(static_cast<std::uint8_t>((pixel & image->green_mask) >> 8));
            result.pixels.push_back(static_cast<std::uint8_t>(pixel & image->blue_mask));
        }
    }
    XDestroyImage(image);
    return result;
}

// [SECTION] Showing the editor

void idle(const EditorSession& session, HostWindow& window, int passes)
{
    for (int pass = 0; pass < passes; ++pass) {
        window.pumpEvents();
        session.dispatch(effEditIdle);
        std::this_thread::sleep_for(kIdleInterval);
    }
}

// The editor keeps being idled while another thread makes the gesture, so the press reaches it
// and its tracking loop runs here.
void dragWhileIdling(const EditorSession& session, HostWindow& window, const EditorOptions::Drag& drag)
{
    int startX = 0;
    int startY = 0;
    window.toScreen(drag.x, drag.y, startX, startY);
    std::atomic<bool> finished{false};
    std::thread gesture([&] {
        performDrag(startX, startY, drag.dx, drag.dy);
        finished = true;
    });
    while (!finished)
        idle(session, window, 1);
    gesture.join();
}

void takeScreenshot(const EditorSession& session, HostWindow& window, const EditorOptions& options)
{
    idle(session, window, kIdlePassesAfterInput);
    for (const EditorOptions::Drag& drag : options.drags) {
        dragWhileIdling(session, window, drag);
        idle(session, window, kIdlePassesAfterInput);
    }
    writePng(options.screenshotPath, window.capture());
}

void runUntilClosed(const EditorSession& session, HostWindow& window)
{
    while (window.pumpEvents()) {
        session.dispatch(effEditIdle);
        std::this_thread::sleep_for(kIdleInterval);
    }
}
} // namespace

void showEditor(const EditorSession& session, const EditorOptions& options)
{
    const EditorSize size = session.editorSize();
    HostWindow window(size.width, size.height);
    if (session.dispatch(effEditOpen, 0, 0, window.parentHandle()) == 0)
        throw KvhostError("the plug-in did not open its editor");
    try {
        if (options.screenshotPath.empty())
            runUntilClosed(session, window);
        else
            takeScreenshot(session, window, options);
    } catch (...) {
        session.dispatch(effEditClose);
        throw;
    }
    session.dispatch(effEditClose);
}
