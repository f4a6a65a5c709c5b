#include "OpenMenus.h"

#include "HostWindow.h"

namespace {
constexpr DWORD kPollMs = 10;
constexpr int kPolls = 300;
constexpr char kMenuWindowClass[] = "#32768";

BOOL CALLBACK collectMenu(HWND window, LPARAM list)
{
    char name[16] = {};
    GetClassNameA(window, name, sizeof(name));
    if (std::string(name) == kMenuWindowClass && IsWindowVisible(window)) {
        const auto menu = reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0));
        reinterpret_cast<std::vector<ShownMenu>*>(list)->push_back({window, menu});
    }
    return TRUE;
}

template <typename Condition>
bool pollFor(Condition condition)
{
    for (int poll = 0; poll < kPolls; ++poll) {
        if (condition())
            return true;
        Sleep(kPollMs);
    }
    return condition();
}
} // namespace

std::vector<ShownMenu> shownMenus()
{
    std::vector<ShownMenu> menus;
    EnumWindows(collectMenu, reinterpret_cast<LPARAM>(&menus));
    return menus;
}

ShownMenu shownMenuOf(HMENU menu)
{
    for (const ShownMenu& shown : shownMenus())
        if (shown.menu == menu)
            return shown;
    return {nullptr, nullptr};
}

bool waitForMenuCount(std::size_t count)
{
    return pollFor([count] { return shownMenus().size() == count; });
}

std::vector<MenuItem> itemsOf(const ShownMenu& shown)
{
    std::vector<MenuItem> items;
    const int count = GetMenuItemCount(shown.menu);
    for (int position = 0; position < count; ++position) {
        char text[256] = {};
        MENUITEMINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU;
        GetMenuItemInfoA(shown.menu, static_cast<UINT>(position), TRUE, &info);
        if ((info.fType & MFT_OWNERDRAW) == 0)
            GetMenuStringA(shown.menu, static_cast<UINT>(position), text, sizeof(text), MF_BYPOSITION);
        RECT area = {};
        GetMenuItemRect(shown.window, shown.menu, static_cast<UINT>(position), &area);
        MapWindowPoints(nullptr, shown.window, reinterpret_cast<POINT*>(&area), 2);
        items.push_back({text, info.fType, info.fState, info.hSubMenu, area});
    }
    return items;
}

int highlightedItem(HMENU menu)
{
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position)
        if ((GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_HILITE) != 0)
            return position;
    return -1;
}

void pressKey(WORD key)
{
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = key;
    inputs[1] = inputs[0];
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

bool waitForHighlight(HMENU menu)
{
    return pollFor([menu] { return highlightedItem(menu) >= 0; });
}

// One press at a time, each awaited until another item is highlighted. The menu clears the old
// item before it marks the new one, so a read in between sees none; taking that for the press's
// effect would send the next press early, and it would land after the item was reached.
bool highlightItem(HMENU menu, int position)
{
    const int presses = 2 * GetMenuItemCount(menu) + 2;
    for (int press = 0; press < presses && highlightedItem(menu) != position; ++press) {
        const int before = highlightedItem(menu);
        pressKey(VK_DOWN);
        pollFor([&] {
            const int now = highlightedItem(menu);
            return now >= 0 && now != before;
        });
    }
    return highlightedItem(menu) == position;
}

bool waitForItemPixel(const ShownMenu& shown, const MenuItem& item, POINT point, VSTGUI::CColor colour)
{
    return pollFor([&] {
        const VSTGUI::CColor seen = pixelOf(shown.window, item.area.left + point.x, item.area.top + point.y);
        return seen.red == colour.red && seen.green == colour.green && seen.blue == colour.blue;
    });
}
