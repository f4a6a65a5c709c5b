// The pop-up menus shown on screen, as another thread of the program sees them while the
// thread that shows them is inside the menu's loop: their windows, their menus and the state
// of their items, read through the Windows menu API. Waits poll for a bounded number of
// short slices so that a menu that never appears fails the test instead of hanging it.
#pragma once

#include "CColor.h"

#include <windows.h>

#include <string>
#include <vector>

struct ShownMenu {
    HWND window;
    HMENU menu;
};

struct MenuItem {
    std::string text;
    UINT type;   // MFT_ bits
    UINT state;  // MFS_ bits
    HMENU subMenu;
    RECT area;   // in the menu window's client coordinates
};

// The visible pop-up menu windows.
std::vector<ShownMenu> shownMenus();
// The shown pop-up whose menu is menu, or a null window.
ShownMenu shownMenuOf(HMENU menu);
// Waits until count pop-ups are shown; false when they never were.
bool waitForMenuCount(std::size_t count);

std::vector<MenuItem> itemsOf(const ShownMenu& shown);
// The highlighted item's position, -1 for none.
int highlightedItem(HMENU menu);

// A key pressed and released through the system's input queue.
void pressKey(WORD key);
// Waits until an item of the menu is highlighted, as one opened by a key is at first.
bool waitForHighlight(HMENU menu);
// Presses Down until the item at position is highlighted; false when it never is.
bool highlightItem(HMENU menu, int position);
// Waits until the item is drawn showing colour at the point (item coordinates); false when not.
bool waitForItemPixel(const ShownMenu& shown, const MenuItem& item, POINT point, VSTGUI::CColor colour);
