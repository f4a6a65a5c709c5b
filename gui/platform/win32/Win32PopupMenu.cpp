// Option menus on Windows: a tree of native pop-up menus tracked with TrackPopupMenu in its
// own modal loop. Owner-drawn items carry a record of their own as item data, which the frame's
// window procedure hands back to the record's painter. Command numbers come back as the
// tracking's result instead of a posted WM_COMMAND, which the host's own loop could take.
#include "../PopupMenu.h"

#include "Win32PopupMenu.h"

#include <algorithm>
#include <string>
#include <vector>

namespace VSTGUI::platform {

namespace {
struct OwnerDrawnItem {
    std::string text;
    std::uint32_t command;
    PopupItemPainter* painter;
};

// Item data from a menu message is trusted only when it is one of the records alive now.
std::vector<const OwnerDrawnItem*> liveItems;
// The window the innermost pop-up is shown for, while it is shown.
HWND trackedWindow = nullptr;

const OwnerDrawnItem* findItem(ULONG_PTR itemData)
{
    const auto* item = reinterpret_cast<const OwnerDrawnItem*>(itemData);
    return std::find(liveItems.begin(), liveItems.end(), item) != liveItems.end() ? item : nullptr;
}

UINT nativeFlags(std::uint32_t flags)
{
    UINT native = MF_STRING;
    if ((flags & kPopupSeparator) != 0)
        native = MF_SEPARATOR;
    if ((flags & kPopupGrey) != 0)
        native |= MF_GRAYED;
    if ((flags & kPopupDisabled) != 0)
        native |= MF_DISABLED;
    if ((flags & kPopupChecked) != 0)
        native |= MF_CHECKED;
    if ((flags & kPopupColumnBreak) != 0)
        native |= MF_MENUBARBREAK;
    return native;
}

CColor colorOf(int index)
{
    const COLORREF color = GetSysColor(index);
    return CColor{GetRValue(color), GetGValue(color), GetBValue(color), 0};
}

class Win32PopupMenu final : public PopupMenu {
public:
    Win32PopupMenu() : menu(CreatePopupMenu()) {}

    // A sub-menu's handle goes with the menu it was appended to.
    ~Win32PopupMenu() override
    {
        if (menu != nullptr && ownsHandle)
            DestroyMenu(menu);
        for (const auto& item : items)
            liveItems.erase(std::find(liveItems.begin(), liveItems.end(), item.get()));
    }

    Win32PopupMenu(const Win32PopupMenu&) = delete;
    Win32PopupMenu& operator=(const Win32PopupMenu&) = delete;

    bool valid() const { return menu != nullptr; }
    HMENU handle() const { return menu; }

    void appendItem(const char* text, std::uint32_t command, std::uint32_t flags, PopupItemPainter* painter) override
    {
        append(nativeFlags(flags), command, text, painter);
    }

    void appendSubMenu(std::unique_ptr<PopupMenu> subMenu, const char* text, std::uint32_t flags,
                       PopupItemPainter* painter) override
    {
        auto* native = static_cast<Win32PopupMenu*>(subMenu.get());
        if (append(nativeFlags(flags) | MF_POPUP, reinterpret_cast<UINT_PTR>(native->menu), text, painter))
            native->ownsHandle = false;
        subMenus.push_back(std::move(subMenu));
    }

private:
    bool append(UINT flags, UINT_PTR id, const char* text, PopupItemPainter* painter)
    {
        if (painter == nullptr)
            return AppendMenuA(menu, flags, id, (flags & MF_SEPARATOR) != 0 ? nullptr : text) != FALSE;
        const std::uint32_t command = (flags & MF_POPUP) != 0 ? 0 : static_cast<std::uint32_t>(id);
        items.push_back(std::make_unique<OwnerDrawnItem>(OwnerDrawnItem{text, command, painter}));
        const OwnerDrawnItem* item = items.back().get();
        liveItems.push_back(item);
        return AppendMenuA(menu, flags | MF_OWNERDRAW, id, reinterpret_cast<LPCSTR>(item)) != FALSE;
    }

    HMENU menu;
    bool ownsHandle = true;
    std::vector<std::unique_ptr<OwnerDrawnItem>> items;
    std::vector<std::unique_ptr<PopupMenu>> subMenus;
};
} // namespace

std::unique_ptr<PopupMenu> createPopupMenu()
{
    auto menu = std::make_unique<Win32PopupMenu>();
    if (!menu->valid())
        return nullptr;
    return menu;
}

std::uint32_t trackPopupMenu(PopupMenu& menu, void* window, const CPoint& screenPoint, bool rightButton)
{
    const HWND owner = static_cast<HWND>(window);
    if (!IsWindow(owner))
        return 0;
    const UINT flags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | (rightButton ? TPM_RIGHTBUTTON : TPM_LEFTBUTTON);
    const HWND outerWindow = trackedWindow;
    trackedWindow = owner;
    const BOOL command = TrackPopupMenu(static_cast<Win32PopupMenu&>(menu).handle(), flags, screenPoint.x,
                                        screenPoint.y, 0, owner, nullptr);
    trackedWindow = outerWindow;
    return command > 0 && static_cast<std::uint32_t>(command) <= kPopupLastCommand ? static_cast<std::uint32_t>(command)
                                                                                   : 0;
}

bool endPopupMenu(void* window)
{
    if (trackedWindow == nullptr || trackedWindow != static_cast<HWND>(window))
        return false;
    EndMenu();
    return true;
}

MenuColors getMenuColors()
{
    return {colorOf(COLOR_MENU), colorOf(COLOR_HIGHLIGHT), colorOf(COLOR_MENUTEXT), colorOf(COLOR_HIGHLIGHTTEXT),
            colorOf(COLOR_GRAYTEXT)};
}

bool measurePopupMenuItem(HWND window, MEASUREITEMSTRUCT& item)
{
    if (item.CtlType != ODT_MENU)
        return false;
    const OwnerDrawnItem* record = findItem(item.itemData);
    if (record == nullptr)
        return false;
    const HDC dc = GetDC(window);
    const CPoint size = record->painter->measureItem(record->text.c_str(), dc);
    ReleaseDC(window, dc);
    item.itemWidth = static_cast<UINT>(std::max(size.x, 0));
    item.itemHeight = static_cast<UINT>(std::max(size.y, 0));
    return true;
}

bool drawPopupMenuItem(const DRAWITEMSTRUCT& item)
{
    if (item.CtlType != ODT_MENU)
        return false;
    const OwnerDrawnItem* record = findItem(item.itemData);
    if (record == nullptr)
        return false;
    std::int32_t state = 0;
    if ((item.itemState & ODS_SELECTED) != 0)
        state |= kPopupStateHighlighted;
    if ((item.itemState & ODS_CHECKED) != 0)
        state |= kPopupStateChecked;
    if ((item.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0)
        state |= kPopupStateDisabled;
    const RECT& area = item.rcItem;
    record->painter->drawItem(record->text.c_str(), record->command, state, item.hDC,
                              CRect(area.left, area.top, area.right, area.bottom));
    return true;
}

} // namespace VSTGUI::platform
