// The cursor, key and clock queries of the platform interface on X11: the pointer and modifier
// state come from the server, through the connection of the active editor.
#include "../Platform.h"
#include "X11ErrorScope.h"
#include "X11FrameWindow.h"

namespace VSTGUI::platform {

namespace {
constexpr std::uint32_t kDoubleClickMs = 400;

struct PointerState {
    CPoint root;
    unsigned int mask = 0;
};

PointerState queryPointer()
{
    PointerState state;
    const PressState& press = currentPressState();
    if (press.valid) {
        state.root = press.root;
        state.mask = press.mask;
        return state;
    }
    X11FrameWindow* active = activeFrameWindow();
    if (active == nullptr)
        return state;
    Display* display = active->handle().display;
    X11ErrorScope scope(display);
    Window root = 0;
    Window child = 0;
    int windowX = 0;
    int windowY = 0;
    int rootX = 0;
    int rootY = 0;
    if (XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &windowX, &windowY,
                      &state.mask)
        != 0)
        state.root = CPoint(rootX, rootY);
    return state;
}

unsigned int maskOf(InputKey key)
{
    switch (key) {
    case InputKey::physicalLeftButton:
        return Button1Mask;
    case InputKey::middleButton:
        return Button2Mask;
    case InputKey::physicalRightButton:
        return Button3Mask;
    case InputKey::shift:
        return ShiftMask;
    case InputKey::control:
        return ControlMask;
    case InputKey::alt:
        return Mod1Mask;
    }
    return 0;
}
} // namespace

CPoint getCursorPosition()
{
    return queryPointer().root;
}

bool isKeyDown(InputKey key)
{
    return (queryPointer().mask & maskOf(key)) != 0;
}

// The time of the last button press on the tick clock, so the two compare.
std::uint32_t getMessageTime()
{
    return lastPressTime();
}

std::uint32_t getDoubleClickTime()
{
    return kDoubleClickMs;
}

std::uint32_t getTickCount()
{
    return tickCount();
}

bool takePrimaryButtonPress()
{
    X11FrameWindow* active = activeFrameWindow();
    return active != nullptr && active->takePrimaryButtonPress();
}

} // namespace VSTGUI::platform
