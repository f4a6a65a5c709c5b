#include "RealKeyboard.h"

namespace {
void sendKey(WORD virtualKey, WORD scan, DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = scan;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof(INPUT));
}
} // namespace

void typeText(const std::string& text)
{
    for (const char c : text) {
        const WORD unit = static_cast<unsigned char>(c);
        sendKey(0, unit, KEYEVENTF_UNICODE);
        sendKey(0, unit, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP);
    }
}

void pressKey(WORD virtualKey, WORD modifierKey)
{
    if (modifierKey != 0)
        sendKey(modifierKey, 0, 0);
    sendKey(virtualKey, 0, 0);
    sendKey(virtualKey, 0, KEYEVENTF_KEYUP);
    if (modifierKey != 0)
        sendKey(modifierKey, 0, KEYEVENTF_KEYUP);
}
