// A display of the current entry of a list of texts that, clicked, opens the platform's pop-up
// menu with all entries: nested sub-menus, separators, titles, disabled entries, check marks
// and column breaks. Choosing an entry makes it current and tells the listener, naming the
// (sub-)menu that held it.
//
// Entry texts: exactly "-" is a separator; "-M" starts a sub-menu entry (made by the sub-menu
// form of addEntry), "-G" a disabled entry and "-T" a title; the rest of the text is shown.
#pragma once

#include "../platform/PopupMenu.h"
#include "CParamDisplay.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace VSTGUI {

class COptionMenuScheme;

enum : std::int32_t {
    // Choosing an entry toggles its check flag; every entry shows its own flag.
    kCheckStyle = 0x1,
    // The menu opens at the top edge of the control instead of its bottom edge.
    kOpenAtTopStyle = 0x200,
    // The current entry shows a check mark.
    kCheckCurrentStyle = 0x400
};

constexpr std::int32_t kMaxMenuEntries = 1024;
// Every entry's buffer, terminator included.
constexpr std::size_t kMenuEntryBytes = 256;

class COptionMenu : public CParamDisplay, private platform::PopupItemPainter {
public:
    COptionMenu(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background = nullptr,
                CBitmap* clickBackground = nullptr, std::int32_t style = 0);
    ~COptionMenu() override;

    void draw(CDrawContext* context) override;
    void mouse(CDrawContext* context, CPoint& where, std::int32_t buttons = -1) override;
    // Ends a pop-up of this menu that is still open.
    void looseFocus(CDrawContext* context) override;
    // Shows the pop-up and waits for the choice.
    void takeFocus(CDrawContext* context) override;
    void setValue(float newValue) override;
    bool isTypeOf(const char* type) const override;

    // [SECTION] Entries; texts are cut at 255 characters
    // The menu takes a reference on subMenu; false for a menu that holds this one.
    virtual bool addEntry(COptionMenu* subMenu, const char* title);
    // index -1 (or any index outside the entries) appends.
    virtual bool addEntry(const char* text, std::int32_t index = -1);
    // countSeparator false counts only the entries that are neither separators nor titles.
    // text, when given, holds at least kMenuEntryBytes bytes.
    virtual std::int32_t getCurrent(char* text = nullptr, bool countSeparator = true) const;
    virtual bool setCurrent(std::int32_t index, bool countSeparator = true);
    // text holds at least kMenuEntryBytes bytes.
    virtual bool getEntry(std::int32_t index, char* text) const;
    virtual bool setEntry(std::int32_t index, const char* text);
    // Removing a sub-menu entry lets its sub-menu go too.
    virtual bool removeEntry(std::int32_t index);
    virtual bool removeAllEntry();
    virtual std::int32_t getNbEntries() const { return nbEntries; }
    virtual std::int32_t getIndex(const char* text) const;
    virtual bool checkEntry(std::int32_t index, bool state);
    virtual bool checkEntryAlone(std::int32_t index);
    virtual bool isCheckEntry(std::int32_t index) const;
    virtual void setNbItemsPerColumn(std::int32_t count) { nbItemsPerColumn = count; }
    virtual std::int32_t getNbItemsPerColumn() const { return nbItemsPerColumn; }
    virtual COptionMenuScheme* getScheme() const { return scheme; }
    // 2, 3 or 4: later entries get their number in front, of 1, 2 or 3 digits and a blank.
    virtual void setPrefixNumbers(std::int32_t digits);

    // [SECTION] Menu tree
    // The menu takes a reference; null returns to gOptionMenuScheme or the platform's drawing.
    void setScheme(COptionMenuScheme* newScheme);
    COptionMenu* getSubMenu(std::int32_t index) const;
    // The menu that held the last chosen item and, in index, the item's position there.
    COptionMenu* getLastItemMenu(std::int32_t& index) const;
    // The menu whose items carry the command number id when this menu's numbers start at
    // offset (advanced past every item looked at), and the item's position in it.
    COptionMenu* getItemMenu(std::int32_t id, std::int32_t& index, std::int32_t& offset);
    // Builds the native menu of this menu and its sub-menus; the numbers start at offset.
    std::unique_ptr<platform::PopupMenu> appendItems(std::int32_t& offset);
    // Lets the native menus built by appendItems go.
    void removeItems();
    bool allocateMenu(std::int32_t count);
    bool allocateSubMenu(std::int32_t count);

private:
    CPoint measureItem(const char* text, void* systemContext) override;
    void drawItem(const char* text, std::uint32_t command, std::int32_t state, void* systemContext,
                  const CRect& rect) override;

    bool validIndex(std::int32_t index) const { return index >= 0 && index < nbEntries; }
    // A new entry's buffer at index (appended when outside) and its position; null when the
    // menu is full or cannot grow.
    char* insertEntry(std::int32_t index, std::int32_t& position);
    // marker, then the number prefix when set, then the text, cut to fit.
    void writeEntry(char* buffer, const char* marker, const char* text, std::int32_t number);
    // The entry shown in the control, without its number prefix.
    const char* shownText(const char* entry) const;
    // The sub-menu an entry stands for, or null: the n-th "-M" entry holds the n-th sub-menu.
    COptionMenu* subMenuOfEntry(std::int32_t index) const;
    std::int32_t subMenuSlotOfEntry(std::int32_t index) const;
    bool holdsMenu(const COptionMenu* menu) const;
    COptionMenuScheme* activeScheme() const;
    std::uint32_t itemFlags(std::int32_t position) const;
    // Entry position of a menu whose numbers start at first; offset runs on for sub-menus.
    void appendEntry(platform::PopupMenu& menu, std::int32_t position, std::int32_t first, std::int32_t& offset);
    CPoint popupScreenPoint() const;
    // Makes the chosen item current in its menu and tells the listener.
    void takeChoice(CDrawContext* context, std::int32_t number);

    std::unique_ptr<platform::PopupMenu> nativeMenu;
    char** entry = nullptr;
    COptionMenu** subMenu = nullptr;
    char* check = nullptr;
    std::int32_t nbEntries = 0;
    std::int32_t nbSubMenus = 0;
    std::int32_t currentIndex = -1;
    CBitmap* bgWhenClick;
    std::int32_t lastButton = kMouseRight;
    std::int32_t nbItemsPerColumn = -1;
    std::int32_t nbAllocated = 0;
    std::int32_t nbSubMenuAllocated = 0;
    std::int32_t lastResult = -1;
    std::int32_t prefixNumbers = 0;
    COptionMenu* lastMenu = nullptr;
    COptionMenuScheme* scheme = nullptr;

    // While a native menu exists: the sub-menus and the scheme it was built with, held so that
    // changes made during the pop-up cannot free what it still draws with.
    std::vector<COptionMenu*> shownSubMenus;
    COptionMenuScheme* shownScheme = nullptr;
    bool tracking = false;
    void* trackingWindow = nullptr;
};

} // namespace VSTGUI
