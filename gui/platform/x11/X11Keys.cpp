#include "X11Keys.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <cctype>

namespace VSTGUI::platform {

namespace {
unsigned char virtualKeyOf(KeySym symbol)
{
    if (symbol >= XK_F1 && symbol <= XK_F12)
        return static_cast<unsigned char>(VKEY_F1 + (symbol - XK_F1));
    switch (symbol) {
    case XK_BackSpace:
        return VKEY_BACK;
    case XK_Tab:
    case XK_ISO_Left_Tab:
        return VKEY_TAB;
    case XK_Return:
        return VKEY_RETURN;
    case XK_KP_Enter:
        return VKEY_ENTER;
    case XK_Escape:
        return VKEY_ESCAPE;
    case XK_space:
        return VKEY_SPACE;
    case XK_End:
    case XK_KP_End:
        return VKEY_END;
    case XK_Home:
    case XK_KP_Home:
        return VKEY_HOME;
    case XK_Left:
    case XK_KP_Left:
        return VKEY_LEFT;
    case XK_Up:
    case XK_KP_Up:
        return VKEY_UP;
    case XK_Right:
    case XK_KP_Right:
        return VKEY_RIGHT;
    case XK_Down:
    case XK_KP_Down:
        return VKEY_DOWN;
    case XK_Page_Up:
    case XK_KP_Page_Up:
        return VKEY_PAGEUP;
    case XK_Page_Down:
    case XK_KP_Page_Down:
        return VKEY_PAGEDOWN;
    case XK_Insert:
    case XK_KP_Insert:
        return VKEY_INSERT;
    case XK_Delete:
    case XK_KP_Delete:
        return VKEY_DELETE;
    default:
        return 0;
    }
}

bool isPrintable(unsigned int character)
{
    return character >= 0x20 && character != 0x7F && (character < 0x80 || character >= 0xA0);
}

unsigned char modifiersOf(unsigned int state)
{
    unsigned char modifier = 0;
    if ((state & ShiftMask) != 0)
        modifier |= MODIFIER_SHIFT;
    if ((state & Mod1Mask) != 0)
        modifier |= MODIFIER_ALTERNATE;
    if ((state & ControlMask) != 0)
        modifier |= MODIFIER_CONTROL;
    return modifier;
}
} // namespace

// Characters come from the Latin-1 text XLookupString makes; with Control held that text is a
// control character, and the key's own symbol gives the letter instead.
VstKeyCode keyCodeOf(XKeyEvent& event)
{
    VstKeyCode keyCode = {};
    char text[8] = {};
    KeySym symbol = NoSymbol;
    const int length = XLookupString(&event, text, sizeof(text), &symbol, nullptr);
    keyCode.virt = virtualKeyOf(symbol);
    keyCode.modifier = modifiersOf(event.state);
    const auto first = static_cast<unsigned char>(text[0]);
    if (length == 1 && isPrintable(first))
        keyCode.character = first;
    else if (symbol <= 0xFF && isPrintable(static_cast<unsigned int>(symbol)))
        keyCode.character = static_cast<int32>(symbol);
    return keyCode;
}

bool isSameKey(const VstKeyCode& a, const VstKeyCode& b)
{
    if (a.virt != 0 || b.virt != 0)
        return a.virt == b.virt;
    return a.character != 0 && std::tolower(a.character) == std::tolower(b.character);
}

} // namespace VSTGUI::platform
