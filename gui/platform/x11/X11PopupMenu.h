// The option menus' pop-up menus on X11: the tree of items a menu is built from. Shown, each
// level is an override-redirect window of its own drawn with Cairo (X11MenuTracking.cpp).
#pragma once

#include "../PopupMenu.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace VSTGUI::platform {

class X11PopupMenu;

struct X11MenuItem {
    std::string text;
    std::uint32_t command = 0;
    std::uint32_t flags = 0;
    PopupItemPainter* painter = nullptr;
    std::unique_ptr<X11PopupMenu> subMenu;

    bool isSeparator() const { return (flags & kPopupSeparator) != 0; }
    // Grey entries and titles are shown but never chosen or opened.
    bool isActive() const { return !isSeparator() && (flags & (kPopupGrey | kPopupDisabled)) == 0; }
};

class X11PopupMenu final : public PopupMenu {
public:
    void appendItem(const char* text, std::uint32_t command, std::uint32_t flags, PopupItemPainter* painter) override;
    void appendSubMenu(std::unique_ptr<PopupMenu> subMenu, const char* text, std::uint32_t flags,
                       PopupItemPainter* painter) override;

    const std::vector<X11MenuItem>& items() const { return entries; }

private:
    std::vector<X11MenuItem> entries;
};

} // namespace VSTGUI::platform
