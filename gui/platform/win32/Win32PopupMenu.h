// The option menus' pop-up menus as the frame's window sees them: it passes the measuring and
// drawing of their owner-drawn items on, and ends a pop-up shown for it when it goes away.
#pragma once

#include "../PopupMenu.h"

#include <windows.h>

namespace VSTGUI::platform {

// True when the item is one of an option menu's owner-drawn items and was measured.
bool measurePopupMenuItem(HWND window, MEASUREITEMSTRUCT& item);
// True when the item is one of an option menu's owner-drawn items and was drawn.
bool drawPopupMenuItem(const DRAWITEMSTRUCT& item);

} // namespace VSTGUI::platform
