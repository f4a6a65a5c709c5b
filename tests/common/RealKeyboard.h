// Keys typed as real input (SendInput): they pass through the system's input queue to the
// window with the keyboard focus, as a person's typing does. Windows only.
#pragma once

#include <windows.h>

#include <string>

// Each character as a Unicode key stroke, so no keyboard layout is involved.
void typeText(const std::string& text);
// A virtual key pressed and released, with an optional modifier key held.
void pressKey(WORD virtualKey, WORD modifierKey = 0);
