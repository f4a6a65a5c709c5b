// The headless pop-up menu keeps the items in memory and lets a chooser installed by the
// program stand in for the user while the menu is shown.
#pragma once

#include "../PopupMenu.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace VSTGUI::platform::headless {

struct PopupItem {
    std::string text;
    std::uint32_t command = 0;
    std::uint32_t flags = 0;
    PopupItemPainter* painter = nullptr;
    bool isSubMenu = false;
    std::vector<PopupItem> subItems;
};

struct ShownPopup {
    const std::vector<PopupItem>& items;
    CPoint screenPoint;
    bool rightButton;
    void* window;
};

// Called while a menu is shown; answers the command chosen, 0 for none. The chooser may call
// into the program (as a host calls a plug-in from a modal loop), ending the menu included.
using PopupChooser = std::function<std::uint32_t(const ShownPopup& popup)>;
// Without a chooser every menu is left without a choice.
void setPopupChooser(PopupChooser chooser);
// Whether the menu shown now was ended by endPopupMenu.
bool wasPopupEnded();
// Pop-up menus made and not yet destroyed, sub-menus included.
int livePopupMenus();

} // namespace VSTGUI::platform::headless
