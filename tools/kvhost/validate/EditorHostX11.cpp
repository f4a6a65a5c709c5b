#include "EditorHost.h"

#include "platform/x11/X11Connection.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {
constexpr unsigned kWindowSize = 800;
constexpr long kEmbedMappedFlag = 1;

// The flags word of the window's embedding property, when it has one.
std::optional<long> embeddingFlags(Display* display, Window window)
{
    const Atom property = XInternAtom(display, "_XEMBED_INFO", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, window, property, 0, 2, False, AnyPropertyType, &type, &format,
                                          &count, &remaining, &data);
    std::optional<long> flags;
    // Two 32-bit words, version then flags; Xlib hands format-32 data over as longs.
    if (status == Success && data != nullptr && format == 32 && count == 2)
        flags = reinterpret_cast<const long*>(data)[1];
    if (data != nullptr)
        XFree(data);
    return flags;
}

class X11EditorHost : public EditorHost {
public:
    X11EditorHost(Display* connection, Window hostWindow) : display(connection), window(hostWindow) {}
    ~X11EditorHost() override
    {
        XDestroyWindow(display, window);
        XCloseDisplay(display);
    }

    void* parentHandle() override { return reinterpret_cast<void*>(static_cast<std::uintptr_t>(window)); }

    void pumpMessages() override
    {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
        }
    }

    std::string editorWindowFault(int width, int height) override
    {
        Window* children = nullptr;
        const unsigned count = queryChildren(children);
        const Window editor = count == 1 ? children[0] : None;
        if (children != nullptr)
            XFree(children);
        if (count != 1)
            return std::to_string(count) + " child windows under the host's window, not one";
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display, editor, &attributes) == 0)
            return "the editor's window went away while it was looked at";
        if (attributes.map_state == IsUnmapped)
            return "the editor's window is not mapped";
        if (attributes.width != width || attributes.height != height)
            return "the editor's window is " + std::to_string(attributes.width) + "x" + std::to_string(attributes.height)
                   + ", effEditGetRect says " + std::to_string(width) + "x" + std::to_string(height);
        return {};
    }

    std::string embeddingFault() override
    {
        Window* children = nullptr;
        const unsigned count = queryChildren(children);
        const Window editor = count == 1 ? children[0] : None;
        if (children != nullptr)
            XFree(children);
        if (editor == None)
            return "no editor window to look at";
        const std::optional<long> flags = embeddingFlags(display, editor);
        if (!flags)
            return "the editor's window has no _XEMBED_INFO property";
        if ((*flags & kEmbedMappedFlag) == 0)
            return "the editor's _XEMBED_INFO does not say mapped";
        return {};
    }

    int childWindowCount() override
    {
        Window* children = nullptr;
        const unsigned count = queryChildren(children);
        if (children != nullptr)
            XFree(children);
        return static_cast<int>(count);
    }

private:
    unsigned queryChildren(Window*& children)
    {
        // The plug-in speaks to the server on a connection of its own; wait until all of it
        // that came before is visible here.
        XSync(display, False);
        Window root = None;
        Window parent = None;
        unsigned count = 0;
        if (XQueryTree(display, window, &root, &parent, &children, &count) == 0)
            return 0;
        return count;
    }

    Display* display;
    Window window;
};

} // namespace

std::unique_ptr<EditorHost> makeEditorHost(std::string& whyNot)
{
    Display* display = VSTGUI::platform::openDisplayConnection();
    if (display == nullptr) {
        whyNot = "no X display (DISPLAY is not set or the server cannot be reached)";
        return nullptr;
    }
    const int screen = DefaultScreen(display);
    const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, kWindowSize, kWindowSize, 0,
                                              BlackPixel(display, screen), WhitePixel(display, screen));
    XStoreName(display, window, "kvhost validate");
    XMapWindow(display, window);
    XSync(display, False);
    return std::make_unique<X11EditorHost>(display, window);
}

bool runWithoutWindowSystem(const std::function<void()>& body, std::string& /*whyNot*/)
{
    const char* display = std::getenv("DISPLAY");
    const std::optional<std::string> saved = display != nullptr ? std::optional<std::string>(display) : std::nullopt;
    unsetenv("DISPLAY");
    body();
    if (saved)
        setenv("DISPLAY", saved->c_str(), 1);
    return true;
}
