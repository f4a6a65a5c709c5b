// The system cursor shapes a view may ask the frame for, on Windows.
#include "../FrameWindow.h"

#include <windows.h>

namespace VSTGUI::platform {

namespace {
// Null for the shapes without a system cursor of their own: they restore the default.
LPCSTR systemCursorName(CCursorType type)
{
    switch (type) {
    case kCursorBusy:
        return IDC_WAIT;
    case kCursorResizeWE:
        return IDC_SIZEWE;
    case kCursorResizeNS:
        return IDC_SIZENS;
    case kCursorMove:
        return IDC_SIZEALL;
    case kCursorResizeNESW:
        return IDC_SIZENESW;
    case kCursorResizeNWSE:
        return IDC_SIZENWSE;
    case kCursorForbidden:
        return IDC_NO;
    case kCursorPointingHand:
        return IDC_HAND;
    default:
        return nullptr;
    }
}
} // namespace

void* getCurrentCursor()
{
    return GetCursor();
}

void* loadSystemCursor(CCursorType type)
{
    const LPCSTR name = systemCursorName(type);
    return name != nullptr ? LoadCursorA(nullptr, name) : nullptr;
}

void setCurrentCursor(void* cursor)
{
    SetCursor(static_cast<HCURSOR>(cursor));
}

} // namespace VSTGUI::platform
