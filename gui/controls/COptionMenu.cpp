// Index: [SECTION] Life cycle, Entries, Current entry, Check flags, Menu tree, Drawing, Pop-up.
#include "COptionMenu.h"

#include "../CBitmap.h"
#include "../CDrawContext.h"
#include "../CFrame.h"
#include "../ViewLifetime.h"
#include "../platform/Platform.h"
#include "COptionMenuScheme.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <new>

namespace VSTGUI {

namespace {
constexpr std::int32_t kEntryGrowth = 32;
constexpr std::int32_t kSubMenuGrowth = 10;
// Larger menus get no column breaks.
constexpr std::int32_t kColumnBreakLimit = 160;
constexpr std::int32_t kAppleButton = 64;
constexpr std::int32_t kFirstPrefixNumbers = 2;
constexpr std::int32_t kLastPrefixNumbers = 4;

constexpr char kSubMenuMarker[] = "-M";
constexpr char kGreyMarker[] = "-G";
constexpr char kTitleMarker[] = "-T";
constexpr std::size_t kMarkerLength = 2;

bool isSeparator(const char* text)
{
    return std::strcmp(text, "-") == 0;
}

bool startsWith(const char* text, const char* marker)
{
    return std::strncmp(text, marker, kMarkerLength) == 0;
}

// Separators and titles are not counted where only the choosable entries count.
bool isCounted(const char* text)
{
    return !isSeparator(text) && !startsWith(text, kTitleMarker);
}

void copyEntry(char* destination, const char* source)
{
    const std::size_t length = strnlen(source, kMenuEntryBytes - 1);
    std::memmove(destination, source, length);
    destination[length] = '\0';
}

template <typename T>
bool grow(T*& array, std::int32_t used, std::int32_t capacity)
{
    T* larger = new (std::nothrow) T[capacity];
    if (larger == nullptr)
        return false;
    if (used > 0)
        std::memcpy(larger, array, sizeof(T) * used);
    delete[] array;
    array = larger;
    return true;
}
} // namespace

// [SECTION] Life cycle

COptionMenu::COptionMenu(const CRect& size, CControlListener* listener_, std::int32_t tag_, CBitmap* background_,
                         CBitmap* clickBackground, std::int32_t style_)
    : CParamDisplay(size, background_, style_), bgWhenClick(clickBackground)
{
    listener = listener_;
    tag = tag_;
    if (bgWhenClick != nullptr)
        bgWhenClick->remember();
}

COptionMenu::~COptionMenu()
{
    removeItems();
    removeAllEntry();
    if (bgWhenClick != nullptr)
        bgWhenClick->forget();
    setScheme(nullptr);
}

bool COptionMenu::isTypeOf(const char* type) const
{
    return std::strcmp(type, "COptionMenu") == 0 || CParamDisplay::isTypeOf(type);
}

bool COptionMenu::allocateMenu(std::int32_t count)
{
    if (count <= nbAllocated)
        return true;
    if (!grow(entry, nbEntries, count) || !grow(check, nbEntries, count))
        return false;
    nbAllocated = count;
    return true;
}

bool COptionMenu::allocateSubMenu(std::int32_t count)
{
    if (count <= nbSubMenuAllocated)
        return true;
    if (!grow(subMenu, nbSubMenus, count))
        return false;
    nbSubMenuAllocated = count;
    return true;
}

// [SECTION] Entries

char* COptionMenu::insertEntry(std::int32_t index, std::int32_t& position)
{
    if (nbEntries >= kMaxMenuEntries)
        return nullptr;
    if (nbEntries >= nbAllocated && !allocateMenu(nbAllocated + kEntryGrowth))
        return nullptr;
    char* buffer = new (std::nothrow) char[kMenuEntryBytes];
    if (buffer == nullptr)
        return nullptr;
    buffer[0] = '\0';
    position = nbEntries;
    if (validIndex(index)) {
        position = index;
        std::memmove(entry + index + 1, entry + index, sizeof(char*) * (nbEntries - index));
        std::memmove(check + index + 1, check + index, nbEntries - index);
        if (currentIndex >= index)
            ++currentIndex;
    }
    entry[position] = buffer;
    check[position] = 0;
    ++nbEntries;
    if (currentIndex == -1)
        currentIndex = 0;
    return buffer;
}

void COptionMenu::writeEntry(char* buffer, const char* marker, const char* text, std::int32_t number)
{
    if (prefixNumbers >= kFirstPrefixNumbers && prefixNumbers <= kLastPrefixNumbers)
        std::snprintf(buffer, kMenuEntryBytes, "%s%0*d %s", marker, static_cast<int>(prefixNumbers - 1),
                      static_cast<int>(number), text);
    else
        std::snprintf(buffer, kMenuEntryBytes, "%s%s", marker, text);
}

bool COptionMenu::addEntry(const char* text, std::int32_t index)
{
    if (text == nullptr)
        return false;
    std::int32_t position = 0;
    char* buffer = insertEntry(index, position);
    if (buffer == nullptr)
        return false;
    writeEntry(buffer, "", text, position + 1);
    return true;
}

bool COptionMenu::addEntry(COptionMenu* menu, const char* title)
{
    if (menu == nullptr || title == nullptr || nbEntries >= kMaxMenuEntries || menu->holdsMenu(this))
        return false;
    if (nbSubMenus >= nbSubMenuAllocated && !allocateSubMenu(nbSubMenuAllocated + kSubMenuGrowth))
        return false;
    std::int32_t position = 0;
    char* buffer = insertEntry(-1, position);
    if (buffer == nullptr)
        return false;
    writeEntry(buffer, kSubMenuMarker, title, position + 1);
    menu->remember();
    subMenu[nbSubMenus++] = menu;
    return true;
}

bool COptionMenu::removeEntry(std::int32_t index)
{
    if (!validIndex(index))
        return false;
    const std::int32_t slot = subMenuSlotOfEntry(index);
    delete[] entry[index];
    std::memmove(entry + index, entry + index + 1, sizeof(char*) * (nbEntries - index - 1));
    std::memmove(check + index, check + index + 1, nbEntries - index - 1);
    --nbEntries;
    if (currentIndex >= index)
        --currentIndex;
    // A menu with entries keeps one current.
    if (currentIndex < 0 && nbEntries > 0)
        currentIndex = 0;
    if (slot >= 0) {
        COptionMenu* removed = subMenu[slot];
        std::memmove(subMenu + slot, subMenu + slot + 1, sizeof(COptionMenu*) * (nbSubMenus - slot - 1));
        --nbSubMenus;
        if (lastMenu != nullptr && removed->holdsMenu(lastMenu))
            lastMenu = nullptr;
        removed->forget();
    }
    return true;
}

bool COptionMenu::removeAllEntry()
{
    for (std::int32_t i = 0; i < nbEntries; ++i)
        delete[] entry[i];
    for (std::int32_t i = 0; i < nbSubMenus; ++i)
        subMenu[i]->forget();
    delete[] entry;
    delete[] check;
    delete[] subMenu;
    entry = nullptr;
    check = nullptr;
    subMenu = nullptr;
    nbEntries = 0;
    nbSubMenus = 0;
    nbAllocated = 0;
    nbSubMenuAllocated = 0;
    currentIndex = -1;
    if (lastMenu != this)
        lastMenu = nullptr;
    return true;
}

bool COptionMenu::setEntry(std::int32_t index, const char* text)
{
    if (!validIndex(index) || text == nullptr)
        return false;
    copyEntry(entry[index], text);
    setDirty(true);
    return true;
}

bool COptionMenu::getEntry(std::int32_t index, char* text) const
{
    if (!validIndex(index) || text == nullptr)
        return false;
    std::strcpy(text, entry[index]);
    return true;
}

std::int32_t COptionMenu::getIndex(const char* text) const
{
    if (text == nullptr)
        return -1;
    for (std::int32_t i = 0; i < nbEntries; ++i) {
        if (std::strcmp(entry[i], text) == 0)
            return i;
    }
    return -1;
}

void COptionMenu::setPrefixNumbers(std::int32_t digits)
{
    prefixNumbers = digits;
}

// [SECTION] Current entry

void COptionMenu::setValue(float newValue)
{
    // The test is on the float itself: NaN and huge values never become an index.
    if (!(newValue > -1.0f && newValue < static_cast<float>(nbEntries)))
        return;
    const auto index = static_cast<std::int32_t>(newValue);
    currentIndex = index;
    if ((style & kCheckStyle) != 0)
        check[index] = check[index] != 0 ? 0 : 1;
    value = newValue;
    setDirty(true);
}

bool COptionMenu::setCurrent(std::int32_t index, bool countSeparator)
{
    if (!validIndex(index))
        return false;
    std::int32_t position = index;
    if (countSeparator) {
        if (isSeparator(entry[index]))
            return false;
    } else {
        position = -1;
        for (std::int32_t i = 0, counted = 0; i < nbEntries && position < 0; ++i) {
            if (isCounted(entry[i]) && counted++ == index)
                position = i;
        }
        if (position < 0)
            return false;
    }
    currentIndex = position;
    if ((style & kCheckStyle) != 0)
        check[position] = check[position] != 0 ? 0 : 1;
    setDirty(true);
    return true;
}

std::int32_t COptionMenu::getCurrent(char* text, bool countSeparator) const
{
    if (!validIndex(currentIndex))
        return -1;
    if (text != nullptr)
        std::strcpy(text, entry[currentIndex]);
    if (countSeparator)
        return currentIndex;
    std::int32_t counted = 0;
    for (std::int32_t i = 0; i < currentIndex; ++i) {
        if (isCounted(entry[i]))
            ++counted;
    }
    return counted;
}

// [SECTION] Check flags

bool COptionMenu::checkEntry(std::int32_t index, bool state)
{
    if (!validIndex(index))
        return false;
    check[index] = state ? 1 : 0;
    return true;
}

bool COptionMenu::checkEntryAlone(std::int32_t index)
{
    if (!validIndex(index))
        return false;
    std::memset(check, 0, nbEntries);
    check[index] = 1;
    return true;
}

bool COptionMenu::isCheckEntry(std::int32_t index) const
{
    return validIndex(index) && check[index] != 0;
}

// [SECTION] Menu tree

void COptionMenu::setScheme(COptionMenuScheme* newScheme)
{
    if (newScheme != nullptr)
        newScheme->remember();
    if (scheme != nullptr)
        scheme->forget();
    scheme = newScheme;
}

COptionMenuScheme* COptionMenu::activeScheme() const
{
    return scheme != nullptr ? scheme : gOptionMenuScheme;
}

COptionMenu* COptionMenu::getSubMenu(std::int32_t index) const
{
    return index >= 0 && index < nbSubMenus ? subMenu[index] : nullptr;
}

std::int32_t COptionMenu::subMenuSlotOfEntry(std::int32_t index) const
{
    if (!startsWith(entry[index], kSubMenuMarker))
        return -1;
    std::int32_t slot = 0;
    for (std::int32_t i = 0; i < index; ++i) {
        if (startsWith(entry[i], kSubMenuMarker))
            ++slot;
    }
    return slot < nbSubMenus ? slot : -1;
}

COptionMenu* COptionMenu::subMenuOfEntry(std::int32_t index) const
{
    const std::int32_t slot = subMenuSlotOfEntry(index);
    return slot >= 0 ? subMenu[slot] : nullptr;
}

bool COptionMenu::holdsMenu(const COptionMenu* menu) const
{
    if (menu == this)
        return true;
    for (std::int32_t i = 0; i < nbSubMenus; ++i) {
        if (subMenu[i]->holdsMenu(menu))
            return true;
    }
    return false;
}

COptionMenu* COptionMenu::getLastItemMenu(std::int32_t& index) const
{
    if (lastMenu == nullptr) {
        index = -1;
        return nullptr;
    }
    index = static_cast<std::int32_t>(lastMenu->getValue());
    return lastMenu;
}

// The numbering of appendItems: this menu's entries first, then each shown sub-menu in entry
// order, depth first.
COptionMenu* COptionMenu::getItemMenu(std::int32_t id, std::int32_t& index, std::int32_t& offset)
{
    const std::int32_t first = offset;
    offset += nbEntries;
    if (id >= first && id < offset) {
        index = id - first;
        return this;
    }
    for (std::int32_t i = 0; i < nbEntries && offset <= id; ++i) {
        COptionMenu* menu = subMenuOfEntry(i);
        if (menu == nullptr || offset >= static_cast<std::int32_t>(platform::kPopupLastCommand))
            continue;
        if (COptionMenu* found = menu->getItemMenu(id, index, offset))
            return found;
    }
    return nullptr;
}

std::uint32_t COptionMenu::itemFlags(std::int32_t position) const
{
    std::uint32_t flags = 0;
    if (nbItemsPerColumn >= 1 && position > 0 && position % nbItemsPerColumn == 0 && nbEntries < kColumnBreakLimit)
        flags |= platform::kPopupColumnBreak;
    return flags;
}

std::unique_ptr<platform::PopupMenu> COptionMenu::appendItems(std::int32_t& offset)
{
    const std::int32_t first = offset;
    offset += nbEntries;
    std::unique_ptr<platform::PopupMenu> menu = platform::createPopupMenu();
    if (menu == nullptr)
        return nullptr;
    if (shownScheme == nullptr) {
        shownScheme = activeScheme();
        if (shownScheme != nullptr)
            shownScheme->remember();
    }
    for (std::int32_t position = 0; position < nbEntries; ++position)
        appendEntry(*menu, position, first, offset);
    return menu;
}

void COptionMenu::appendEntry(platform::PopupMenu& menu, std::int32_t position, std::int32_t first,
                              std::int32_t& offset)
{
    const char* text = entry[position];
    const auto command = static_cast<std::uint32_t>(first + position + 1);
    std::uint32_t flags = itemFlags(position);
    platform::PopupItemPainter* painter = shownScheme != nullptr ? this : nullptr;
    if (startsWith(text, kSubMenuMarker)) {
        COptionMenu* menuOfEntry = subMenuOfEntry(position);
        if (menuOfEntry == nullptr || offset >= static_cast<std::int32_t>(platform::kPopupLastCommand))
            return;
        std::unique_ptr<platform::PopupMenu> native = menuOfEntry->appendItems(offset);
        if (native == nullptr)
            return;
        menuOfEntry->remember();
        shownSubMenus.push_back(menuOfEntry);
        menu.appendSubMenu(std::move(native), text + kMarkerLength, flags, painter);
        return;
    }
    if (command > platform::kPopupLastCommand)
        return;
    if (isSeparator(text)) {
        menu.appendItem(text, command, flags | platform::kPopupSeparator, painter);
    } else if (startsWith(text, kGreyMarker)) {
        menu.appendItem(text + kMarkerLength, command, flags | platform::kPopupGrey, painter);
    } else if (startsWith(text, kTitleMarker)) {
        menu.appendItem(text + kMarkerLength, command, flags | platform::kPopupDisabled, painter);
    } else {
        const bool checked = (style & kCheckStyle) != 0 ? check[position] != 0
                                                         : (style & kCheckCurrentStyle) != 0 && position == currentIndex;
        menu.appendItem(text, command, checked ? flags | platform::kPopupChecked : flags, painter);
    }
}

void COptionMenu::removeItems()
{
    nativeMenu.reset();
    std::vector<COptionMenu*> shown;
    shown.swap(shownSubMenus);
    for (COptionMenu* menu : shown) {
        menu->removeItems();
        menu->forget();
    }
    if (shownScheme != nullptr) {
        shownScheme->forget();
        shownScheme = nullptr;
    }
}

// [SECTION] Drawing

const char* COptionMenu::shownText(const char* text) const
{
    if (prefixNumbers < kFirstPrefixNumbers || prefixNumbers > kLastPrefixNumbers)
        return text;
    const char* end = text;
    while (std::isdigit(static_cast<unsigned char>(*end)) != 0)
        ++end;
    return end != text && *end == ' ' ? end + 1 : text;
}

void COptionMenu::draw(CDrawContext* context)
{
    drawText(context, validIndex(currentIndex) ? shownText(entry[currentIndex]) : nullptr);
}

CPoint COptionMenu::measureItem(const char* text, void* systemContext)
{
    CPoint size;
    if (shownScheme == nullptr)
        return size;
    auto* context = new CDrawContext(nullptr, systemContext, nullptr);
    shownScheme->getItemSize(text, context, size);
    context->forget();
    return size;
}

void COptionMenu::drawItem(const char* text, std::uint32_t command, std::int32_t state, void* systemContext,
                           const CRect& rect)
{
    if (shownScheme == nullptr)
        return;
    auto* context = new CDrawContext(nullptr, systemContext, nullptr);
    shownScheme->drawItem(text, static_cast<std::int32_t>(command) - 1, state, context, rect);
    context->forget();
}

// [SECTION] Pop-up

void COptionMenu::mouse(CDrawContext* context, CPoint& /*where*/, std::int32_t buttons)
{
    if (!mouseEnabled || parentFrame == nullptr || context == nullptr)
        return;
    if (buttons == -1)
        buttons = context->getMouseButtons();
    lastButton = buttons;
    if (listenerTookModifierClick(context, buttons))
        return;
    if ((buttons & (kMouseLeft | kMouseRight | kAppleButton)) == 0)
        return;
    if (bgWhenClick != nullptr)
        drawText(context, validIndex(currentIndex) ? shownText(entry[currentIndex]) : nullptr, bgWhenClick);
    beginEdit();
    takeFocus(context);
}

CPoint COptionMenu::popupScreenPoint() const
{
    CPoint where(viewSize.left, (style & kOpenAtTopStyle) != 0 ? viewSize.top : viewSize.bottom);
    localToFrame(where);
    const CPoint origin = platform::getWindowScreenOrigin(parentFrame->getPlatformWindow());
    return where.offset(origin.x, origin.y);
}

void COptionMenu::takeFocus(CDrawContext* context)
{
    lastResult = -1;
    lastMenu = nullptr;
    CFrame* frame = parentFrame;
    if (frame == nullptr || tracking)
        return;
    // The pop-up's loop handles the host's calls too: the editor may close the frame or take
    // this menu out of it meanwhile. Both stay alive until the loop has returned.
    ViewHold holdMenu(this);
    ViewHold holdFrame(frame);
    void* window = frame->getPlatformWindow();
    std::int32_t offset = 0;
    nativeMenu = appendItems(offset);
    std::uint32_t command = 0;
    if (nativeMenu != nullptr) {
        tracking = true;
        trackingWindow = window;
        command = platform::trackPopupMenu(*nativeMenu, window, popupScreenPoint(), (lastButton & kMouseRight) != 0);
        tracking = false;
        trackingWindow = nullptr;
    }
    removeItems();
    if (parentFrame == frame && frame->getPlatformWindow() == window) {
        if (command != 0)
            lastResult = static_cast<std::int32_t>(command) - 1;
        if (bgWhenClick != nullptr)
            setDirty(true);
        if (lastResult >= 0)
            takeChoice(context, lastResult);
    }
    frame->setFocusView(nullptr);
    if (parentFrame != nullptr)
        endEdit();
    else
        frame->endEdit(tag);
}

void COptionMenu::takeChoice(CDrawContext* context, std::int32_t number)
{
    std::int32_t index = -1;
    std::int32_t offset = 0;
    COptionMenu* menu = getItemMenu(number, index, offset);
    if (menu == nullptr)
        return;
    lastMenu = menu;
    menu->setValue(static_cast<float>(index));
    if (listener == nullptr)
        return;
    CDrawContext* temporary = context == nullptr ? parentFrame->createDrawContext() : nullptr;
    listener->valueChanged(context != nullptr ? context : temporary, menu);
    if (temporary != nullptr)
        temporary->forget();
}

void COptionMenu::looseFocus(CDrawContext* /*context*/)
{
    if (tracking)
        platform::endPopupMenu(trackingWindow);
}

} // namespace VSTGUI
