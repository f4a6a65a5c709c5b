// The platform's pop-up menu of the option menus: a tree of items built once per opening,
// shown modally at a screen point for a window, and the command of the item chosen. Items may
// be drawn by a painter of their own (owner-drawn menus). gui/platform/win32/ implements it
// with the Windows menu API; the headless backend lets a test choose.
#pragma once

#include "../CColor.h"
#include "../CPoint.h"
#include "../CRect.h"

#include <cstdint>
#include <memory>

namespace VSTGUI::platform {

// Commands are 1 to kPopupLastCommand; 0 means nothing was chosen.
constexpr std::uint32_t kPopupLastCommand = 0xFFFF;

enum PopupItemFlag : std::uint32_t {
    kPopupSeparator = 1u << 0,
    // Shown grey and not selectable.
    kPopupGrey = 1u << 1,
    // Not selectable, shown normally: titles.
    kPopupDisabled = 1u << 2,
    kPopupChecked = 1u << 3,
    // The item starts a new column.
    kPopupColumnBreak = 1u << 4
};

// The item states a painter is given, as bits.
enum PopupItemState : std::int32_t { kPopupStateChecked = 1, kPopupStateDisabled = 2, kPopupStateHighlighted = 4 };

// Measures and draws the items of a menu that are drawn by the program. systemContext is a
// drawing surface of the window the menu was shown for, valid during the call.
class PopupItemPainter {
public:
    virtual ~PopupItemPainter() = default;
    virtual CPoint measureItem(const char* text, void* systemContext) = 0;
    virtual void drawItem(const char* text, std::uint32_t command, std::int32_t state, void* systemContext,
                          const CRect& rect) = 0;
};

class PopupMenu {
public:
    virtual ~PopupMenu() = default;
    // painter, when given, draws the item and must outlive the menu.
    virtual void appendItem(const char* text, std::uint32_t command, std::uint32_t flags,
                            PopupItemPainter* painter) = 0;
    // The menu takes the sub-menu over.
    virtual void appendSubMenu(std::unique_ptr<PopupMenu> subMenu, const char* text, std::uint32_t flags,
                               PopupItemPainter* painter) = 0;
};

// Null when the platform cannot make a menu.
std::unique_ptr<PopupMenu> createPopupMenu();
// Shows the menu with its top-left corner at a screen point until the user chooses or leaves
// it; the thread's messages keep being handled meanwhile. Answers the command chosen, or 0.
std::uint32_t trackPopupMenu(PopupMenu& menu, void* window, const CPoint& screenPoint, bool rightButton);
// Ends a pop-up shown for the window, as if the user had left it; its trackPopupMenu returns 0.
// Answers whether one was shown.
bool endPopupMenu(void* window);

// The system's colours for menus.
struct MenuColors {
    CColor background;
    CColor selection;
    CColor text;
    CColor highlightedText;
    CColor disabledText;
};
MenuColors getMenuColors();

} // namespace VSTGUI::platform
