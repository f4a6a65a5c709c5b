// The native edit fields of text edits, as the frame's window sees them: it asks for their
// colours.
#pragma once

#include <windows.h>

namespace VSTGUI::platform {

// The brush for a text edit's field with its colours set on dc; null for any other window.
HBRUSH colorTextField(HWND field, HDC dc);

} // namespace VSTGUI::platform
