// The cursor, key and clock queries of the platform interface on Windows.
#include "../Platform.h"

#include <windows.h>

namespace VSTGUI::platform {

namespace {
int virtualKey(InputKey key)
{
    switch (key) {
    case InputKey::physicalLeftButton:
        return VK_LBUTTON;
    case InputKey::middleButton:
        return VK_MBUTTON;
    case InputKey::physicalRightButton:
        return VK_RBUTTON;
    case InputKey::shift:
        return VK_SHIFT;
    case InputKey::control:
        return VK_CONTROL;
    case InputKey::alt:
        return VK_MENU;
    }
    return 0;
}
} // namespace

CPoint getCursorPosition()
{
    POINT point = {};
    GetCursorPos(&point);
    return CPoint(point.x, point.y);
}

// Down when the most significant bit of the asynchronous state is set.
bool isKeyDown(InputKey key)
{
    return (static_cast<unsigned short>(GetAsyncKeyState(virtualKey(key))) & 0x8000u) != 0;
}

std::uint32_t getMessageTime()
{
    return static_cast<std::uint32_t>(GetMessageTime());
}

std::uint32_t getDoubleClickTime()
{
    return GetDoubleClickTime();
}

std::uint32_t getTickCount()
{
    return GetTickCount();
}

bool takePrimaryButtonPress()
{
    MSG message;
    return PeekMessageA(&message, nullptr, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE | PM_NOYIELD) != 0;
}

} // namespace VSTGUI::platform
