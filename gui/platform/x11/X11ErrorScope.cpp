#include "X11ErrorScope.h"

#include <mutex>

namespace VSTGUI::platform {

namespace {
// Scopes of several editors' threads take turns, so the handler saved is always the host's.
std::recursive_mutex scopeMutex;
int depth = 0;
XErrorHandler previousHandler = nullptr;
Display* scopedDisplay = nullptr;
bool errorSeen = false;

int scopedHandler(Display* display, XErrorEvent* event)
{
    if (display == scopedDisplay) {
        errorSeen = true;
        return 0;
    }
    return previousHandler != nullptr ? previousHandler(display, event) : 0;
}
} // namespace

X11ErrorScope::X11ErrorScope(Display* display_) : display(display_)
{
    scopeMutex.lock();
    outerDisplay = scopedDisplay;
    outerFailed = errorSeen;
    if (depth++ == 0)
        previousHandler = XSetErrorHandler(scopedHandler);
    scopedDisplay = display;
    errorSeen = false;
}

X11ErrorScope::~X11ErrorScope()
{
    if (display != nullptr)
        XSync(display, False);
    scopedDisplay = outerDisplay;
    errorSeen = outerFailed;
    if (--depth == 0) {
        XSetErrorHandler(previousHandler);
        previousHandler = nullptr;
    }
    scopeMutex.unlock();
}

bool X11ErrorScope::failed()
{
    if (display != nullptr)
        XSync(display, False);
    return errorSeen;
}

} // namespace VSTGUI::platform
