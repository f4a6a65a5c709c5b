#include "X11PopupMenu.h"

namespace VSTGUI::platform {

void X11PopupMenu::appendItem(const char* text, std::uint32_t command, std::uint32_t flags,
                              PopupItemPainter* painter)
{
    entries.push_back({text != nullptr ? text : "", command, flags, painter, nullptr});
}

// A sub-menu entry chooses nothing itself.
void X11PopupMenu::appendSubMenu(std::unique_ptr<PopupMenu> subMenu, const char* text, std::uint32_t flags,
                                 PopupItemPainter* painter)
{
    std::unique_ptr<X11PopupMenu> menu(static_cast<X11PopupMenu*>(subMenu.release()));
    entries.push_back({text != nullptr ? text : "", 0, flags, painter, std::move(menu)});
}

std::unique_ptr<PopupMenu> createPopupMenu()
{
    return std::make_unique<X11PopupMenu>();
}

// Fixed colours: X11 has no system menu colours to ask for.
MenuColors getMenuColors()
{
    return {CColor{240, 240, 240, 0}, CColor{0, 120, 215, 0}, CColor{0, 0, 0, 0}, CColor{255, 255, 255, 0},
            CColor{109, 109, 109, 0}};
}

} // namespace VSTGUI::platform
