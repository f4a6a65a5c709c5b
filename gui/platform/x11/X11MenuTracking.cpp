// Showing a pop-up menu on X11 until the user chooses or leaves it. Every level is an
// override-redirect window on the root; the first one holds the pointer and keyboard grabs,
// so every input event of the display comes to it with root coordinates, and the tracking
// finds the level and item under the pointer itself. The loop drains the editor's connection
// through the frame's window (which keeps painting) and gives the host its idle, so the host
// may close the editor meanwhile. Every way out lets the grabs go and destroys the windows.
// Index: [SECTION] Layout and drawing, Levels and grabs, Input, Tracking.
#include "../PopupMenu.h"

#include "CairoSurface.h"
#include "FontFaces.h"
#include "X11ErrorScope.h"
#include "X11FrameWindow.h"
#include "X11PopupMenu.h"
#include "X11WindowPaint.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <poll.h>

#include <algorithm>
#include <vector>

namespace VSTGUI::platform {

namespace {
constexpr std::int32_t kItemHeight = 20;
constexpr std::int32_t kSeparatorHeight = 8;
constexpr std::int32_t kBorder = 2;
// Room left of the text for the check mark, and right of it for the sub-menu arrow.
constexpr std::int32_t kCheckWidth = 20;
constexpr std::int32_t kArrowWidth = 20;
// Between the text and its part after a tab.
constexpr std::int32_t kTabGap = 20;
constexpr int kWaitMilliseconds = 10;
constexpr long kGrabEvents = ButtonPressMask | ButtonReleaseMask | PointerMotionMask;

FontDescription menuFont()
{
    FontDescription font;
    font.pixelHeight = kDefaultFontPixels;
    return font;
}

// The text before the tab, and the part after it shown at the right edge.
void splitAtTab(const std::string& text, std::string& left, std::string& right)
{
    const std::size_t tab = text.find('\t');
    left = text.substr(0, tab);
    right = tab == std::string::npos ? std::string() : text.substr(tab + 1);
}

std::int32_t itemState(const X11MenuItem& item, bool highlighted)
{
    std::int32_t state = highlighted ? kPopupStateHighlighted : 0;
    if ((item.flags & kPopupChecked) != 0)
        state |= kPopupStateChecked;
    if (!item.isActive())
        state |= kPopupStateDisabled;
    return state;
}

struct ShownLevel {
    const X11PopupMenu* menu = nullptr;
    Window window = 0;
    CRect screen;
    // In the level window's coordinates.
    std::vector<CRect> itemRects;
    int highlighted = -1;
};

class MenuTracking final : public X11EventTarget {
public:
    MenuTracking(X11FrameWindow& frame_, void* shownFor_)
        : frame(&frame_), display(frame_.handle().display), shownFor(shownFor_),
          measureSurface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1))
    {
    }

    ~MenuTracking() override
    {
        release();
        cairo_surface_destroy(measureSurface);
    }

    MenuTracking(const MenuTracking&) = delete;
    MenuTracking& operator=(const MenuTracking&) = delete;

    std::uint32_t run(const X11PopupMenu& menu, const CPoint& screenPoint);
    bool isShownFor(void* window) const { return shownFor == window; }
    void end() { done = true; }

    void handleEvent(XEvent& event) override;
    void frameWindowClosing() override
    {
        release();
        frame = nullptr;
        done = true;
    }

private:
    void layout(ShownLevel& level);
    void draw(ShownLevel& level);
    void drawItem(CairoSurface& surface, cairo_surface_t* image, ShownLevel& level, std::size_t index);
    bool openLevel(const X11PopupMenu& menu, CPoint at, std::int32_t leftOfParent);
    void closeFrom(std::size_t first);
    bool grab();
    void release();
    bool hit(int x, int y, std::size_t& level, int& item) const;
    void highlight(std::size_t level, int item);
    void openSubMenu(std::size_t level, bool highlightFirst);
    void pointerMoved(int x, int y);
    void buttonReleased(int x, int y);
    void keyPressed(XKeyEvent& event);
    void moveHighlight(int step);
    void enter();
    void waitForEvents();

    X11FrameWindow* frame;
    Display* display;
    void* shownFor;
    cairo_surface_t* measureSurface;
    std::vector<ShownLevel> levels;
    bool grabbed = false;
    bool done = false;
    std::uint32_t result = 0;
};

MenuTracking* innermost = nullptr;

bool isNavigable(const X11MenuItem& item)
{
    return item.isActive();
}

// [SECTION] Layout and drawing

// Items run down in columns; a column break starts the next column at the top.
void MenuTracking::layout(ShownLevel& level)
{
    const auto& items = level.menu->items();
    CairoSurface measure(cairo_surface_reference(measureSurface), false);
    measure.setFont(menuFont());
    level.itemRects.clear();
    std::int32_t x = kBorder;
    std::int32_t y = kBorder;
    std::int32_t bottom = kBorder;
    std::int32_t columnWidth = 0;
    std::size_t columnStart = 0;
    const auto closeColumn = [&](std::size_t end) {
        for (std::size_t i = columnStart; i < end; ++i)
            level.itemRects[i].right = level.itemRects[i].left + columnWidth;
        x += columnWidth;
    };
    for (std::size_t i = 0; i < items.size(); ++i) {
        const X11MenuItem& item = items[i];
        if ((item.flags & kPopupColumnBreak) != 0 && i > 0) {
            closeColumn(i);
            columnStart = i;
            columnWidth = 0;
            y = kBorder;
        }
        CPoint size;
        if (item.painter != nullptr) {
            size = item.painter->measureItem(item.text.c_str(), measureSurface);
        } else if (item.isSeparator()) {
            size = CPoint(0, kSeparatorHeight);
        } else {
            std::string left;
            std::string right;
            splitAtTab(item.text, left, right);
            const std::int32_t rightWidth = right.empty() ? 0 : kTabGap + measure.getTextWidth(right.c_str());
            size = CPoint(kCheckWidth + measure.getTextWidth(left.c_str()) + rightWidth + kArrowWidth, kItemHeight);
        }
        level.itemRects.emplace_back(x, y, x + std::max(size.x, 0), y + std::max(size.y, 0));
        columnWidth = std::max(columnWidth, std::max(size.x, 0));
        y += std::max(size.y, 0);
        bottom = std::max(bottom, y);
    }
    closeColumn(items.size());
    level.screen = CRect(0, 0, x + kBorder, bottom + kBorder);
}

void MenuTracking::draw(ShownLevel& level)
{
    const std::int32_t width = level.screen.width();
    const std::int32_t height = level.screen.height();
    paintWindow(display, level.window, DefaultVisual(display, DefaultScreen(display)), width, height,
                [&](cairo_surface_t* image) {
                    const MenuColors colors = getMenuColors();
                    CairoSurface surface(cairo_surface_reference(image), false);
                    surface.setBrush(colorToPlatform(colors.background));
                    surface.fillRect(CRect(0, 0, width, height));
                    surface.setPen({PenStyle::solid, 1, colorToPlatform(colors.disabledText)});
                    const CPoint border[] = {CPoint(0, 0), CPoint(width - 1, 0), CPoint(width - 1, height - 1),
                                             CPoint(0, height - 1), CPoint(0, 0)};
                    surface.polyline(border, 5);
                    for (std::size_t i = 0; i < level.itemRects.size(); ++i)
                        drawItem(surface, image, level, i);
                });
}

// Owner-drawn items draw on the image themselves, between the drawing of the others.
void MenuTracking::drawItem(CairoSurface& surface, cairo_surface_t* image, ShownLevel& level, std::size_t index)
{
    const X11MenuItem& item = level.menu->items()[index];
    const CRect& rect = level.itemRects[index];
    const bool highlighted = level.highlighted == static_cast<int>(index);
    if (item.painter != nullptr) {
        cairo_surface_flush(image);
        item.painter->drawItem(item.text.c_str(), item.command, itemState(item, highlighted), image, rect);
        cairo_surface_mark_dirty(image);
        return;
    }
    const MenuColors colors = getMenuColors();
    if (item.isSeparator()) {
        const std::int32_t middle = (rect.top + rect.bottom) / 2;
        surface.setPen({PenStyle::solid, 1, colorToPlatform(colors.disabledText)});
        surface.moveTo(CPoint(rect.left + kBorder, middle));
        surface.lineTo(CPoint(rect.right - kBorder, middle));
        return;
    }
    if (highlighted) {
        surface.setBrush(colorToPlatform(colors.selection));
        surface.fillRect(rect);
    }
    const CColor& text = (item.flags & kPopupGrey) != 0 ? colors.disabledText
                         : highlighted                  ? colors.highlightedText
                                                        : colors.text;
    surface.setFont(menuFont());
    surface.setTextColor(colorToPlatform(text));
    std::string left;
    std::string right;
    splitAtTab(item.text, left, right);
    const CRect textArea(rect.left + kCheckWidth, rect.top, rect.right - kArrowWidth, rect.bottom);
    surface.drawText(left.c_str(), textArea, TextAlignment::left, false);
    if (!right.empty())
        surface.drawText(right.c_str(), textArea, TextAlignment::right, false);
    const std::int32_t middle = (rect.top + rect.bottom) / 2;
    surface.setPen({PenStyle::solid, 2, colorToPlatform(text)});
    if ((item.flags & kPopupChecked) != 0) {
        const CPoint mark[] = {CPoint(rect.left + 6, middle), CPoint(rect.left + 9, middle + 3),
                               CPoint(rect.left + 14, middle - 4)};
        surface.polyline(mark, 3);
    }
    if (item.subMenu != nullptr) {
        surface.setBrush(colorToPlatform(text));
        const std::int32_t tip = rect.right - kArrowWidth / 2 + 2;
        const CPoint arrow[] = {CPoint(tip - 4, middle - 4), CPoint(tip, middle), CPoint(tip - 4, middle + 4)};
        surface.fillPolygon(arrow, 3);
    }
}

// [SECTION] Levels and grabs

// A level that would leave the screen moves back onto it; a sub-menu then opens to the left of
// its parent (leftOfParent) instead.
bool MenuTracking::openLevel(const X11PopupMenu& menu, CPoint at, std::int32_t leftOfParent)
{
    ShownLevel level;
    level.menu = &menu;
    layout(level);
    const int screen = DefaultScreen(display);
    const std::int32_t width = level.screen.width();
    const std::int32_t height = level.screen.height();
    if (at.x + width > DisplayWidth(display, screen))
        at.x = levels.empty() ? DisplayWidth(display, screen) - width : leftOfParent - width;
    if (at.y + height > DisplayHeight(display, screen))
        at.y = DisplayHeight(display, screen) - height;
    at.x = std::max(at.x, 0);
    at.y = std::max(at.y, 0);
    level.screen.offset(at.x, at.y);

    X11ErrorScope scope(display);
    XSetWindowAttributes attributes = {};
    attributes.override_redirect = True;
    attributes.event_mask = ExposureMask;
    attributes.background_pixmap = None;
    attributes.border_pixel = 0;
    level.window = XCreateWindow(display, RootWindow(display, screen), at.x, at.y, static_cast<unsigned int>(width),
                                 static_cast<unsigned int>(height), 0, CopyFromParent, InputOutput, CopyFromParent,
                                 CWOverrideRedirect | CWEventMask | CWBackPixmap | CWBorderPixel,
                                 &attributes);
    if (scope.failed() || level.window == 0)
        return false;
    frame->addEventTarget(level.window, *this);
    XMapRaised(display, level.window);
    levels.push_back(level);
    return !scope.failed();
}

void MenuTracking::closeFrom(std::size_t first)
{
    X11ErrorScope scope(display);
    while (levels.size() > first) {
        ShownLevel& level = levels.back();
        if (frame != nullptr)
            frame->removeEventTarget(level.window);
        XDestroyWindow(display, level.window);
        levels.pop_back();
    }
}

// The first level is shown (the sync), so both grabs can take it.
bool MenuTracking::grab()
{
    X11ErrorScope scope(display);
    XSync(display, False);
    const Window window = levels.front().window;
    grabbed = true;
    return XGrabPointer(display, window, False, kGrabEvents, GrabModeAsync, GrabModeAsync, None, None, CurrentTime)
               == GrabSuccess
           && XGrabKeyboard(display, window, False, GrabModeAsync, GrabModeAsync, CurrentTime) == GrabSuccess;
}

// Ungrabbing what was never grabbed is harmless.
void MenuTracking::release()
{
    if (frame == nullptr)
        return;
    X11ErrorScope scope(display);
    if (grabbed) {
        XUngrabPointer(display, CurrentTime);
        XUngrabKeyboard(display, CurrentTime);
        grabbed = false;
    }
    closeFrom(0);
}

// [SECTION] Input

// The deepest level first: sub-menus lie over their parents.
bool MenuTracking::hit(int x, int y, std::size_t& level, int& item) const
{
    for (std::size_t index = levels.size(); index-- > 0;) {
        const ShownLevel& shown = levels[index];
        if (x < shown.screen.left || x >= shown.screen.right || y < shown.screen.top || y >= shown.screen.bottom)
            continue;
        level = index;
        item = -1;
        const CPoint local(x - shown.screen.left, y - shown.screen.top);
        for (std::size_t i = 0; i < shown.itemRects.size(); ++i) {
            const CRect& rect = shown.itemRects[i];
            if (local.x >= rect.left && local.x < rect.right && local.y >= rect.top && local.y < rect.bottom)
                item = static_cast<int>(i);
        }
        return true;
    }
    return false;
}

void MenuTracking::highlight(std::size_t level, int item)
{
    ShownLevel& shown = levels[level];
    if (item >= 0 && !isNavigable(shown.menu->items()[static_cast<std::size_t>(item)]))
        item = -1;
    if (shown.highlighted == item)
        return;
    shown.highlighted = item;
    draw(shown);
}

void MenuTracking::openSubMenu(std::size_t level, bool highlightFirst)
{
    const ShownLevel& parent = levels[level];
    if (parent.highlighted < 0)
        return;
    const X11MenuItem& item = parent.menu->items()[static_cast<std::size_t>(parent.highlighted)];
    if (item.subMenu == nullptr || !item.isActive())
        return;
    closeFrom(level + 1);
    const CRect& rect = parent.itemRects[static_cast<std::size_t>(parent.highlighted)];
    const CPoint at(parent.screen.left + rect.right, parent.screen.top + rect.top - kBorder);
    if (!openLevel(*item.subMenu, at, parent.screen.left))
        return;
    draw(levels.back());
    if (highlightFirst)
        moveHighlight(1);
}

// Hovering an entry of a sub-menu opens it at once; any other entry closes what lay deeper.
void MenuTracking::pointerMoved(int x, int y)
{
    std::size_t level = 0;
    int item = -1;
    if (!hit(x, y, level, item))
        return;
    const ShownLevel& shown = levels[level];
    const X11PopupMenu* open = levels.size() > level + 1 ? levels[level + 1].menu : nullptr;
    const X11PopupMenu* hovered =
        item >= 0 ? shown.menu->items()[static_cast<std::size_t>(item)].subMenu.get() : nullptr;
    if (open != nullptr && open != hovered)
        closeFrom(level + 1);
    highlight(level, item);
    if (hovered != nullptr && open != hovered)
        openSubMenu(level, false);
}

void MenuTracking::buttonReleased(int x, int y)
{
    std::size_t level = 0;
    int item = -1;
    if (!hit(x, y, level, item) || item < 0)
        return;
    const X11MenuItem& chosen = levels[level].menu->items()[static_cast<std::size_t>(item)];
    if (chosen.isActive() && chosen.subMenu == nullptr) {
        result = chosen.command;
        done = true;
    }
}

void MenuTracking::moveHighlight(int step)
{
    ShownLevel& shown = levels.back();
    const auto& items = shown.menu->items();
    const int count = static_cast<int>(items.size());
    int index = shown.highlighted >= 0 ? shown.highlighted : (step > 0 ? -1 : count);
    for (int tried = 0; tried < count; ++tried) {
        index = (index + step + count) % count;
        if (isNavigable(items[static_cast<std::size_t>(index)])) {
            highlight(levels.size() - 1, index);
            return;
        }
    }
}

// Return on an entry chooses it, on a sub-menu's entry opens that.
void MenuTracking::enter()
{
    const ShownLevel& shown = levels.back();
    if (shown.highlighted < 0)
        return;
    const X11MenuItem& item = shown.menu->items()[static_cast<std::size_t>(shown.highlighted)];
    if (item.subMenu != nullptr) {
        openSubMenu(levels.size() - 1, true);
        return;
    }
    result = item.command;
    done = true;
}

// Left and Escape close the deepest sub-menu; Escape on the first level leaves the menu.
void MenuTracking::keyPressed(XKeyEvent& event)
{
    switch (XLookupKeysym(&event, 0)) {
    case XK_Up:
    case XK_KP_Up:
        moveHighlight(-1);
        break;
    case XK_Down:
    case XK_KP_Down:
        moveHighlight(1);
        break;
    case XK_Right:
    case XK_KP_Right:
        openSubMenu(levels.size() - 1, true);
        break;
    case XK_Left:
    case XK_KP_Left:
        if (levels.size() > 1)
            closeFrom(levels.size() - 1);
        break;
    case XK_Return:
    case XK_KP_Enter:
    case XK_space:
        enter();
        break;
    case XK_Escape:
        if (levels.size() > 1)
            closeFrom(levels.size() - 1);
        else
            done = true;
        break;
    default:
        break;
    }
}

// A press outside every level leaves the menu.
void MenuTracking::handleEvent(XEvent& event)
{
    if (done || levels.empty())
        return;
    switch (event.type) {
    case Expose:
        for (ShownLevel& level : levels) {
            if (level.window == event.xexpose.window && event.xexpose.count == 0)
                draw(level);
        }
        break;
    case MotionNotify:
        pointerMoved(event.xmotion.x_root, event.xmotion.y_root);
        break;
    case ButtonPress: {
        std::size_t level = 0;
        int item = -1;
        if (!hit(event.xbutton.x_root, event.xbutton.y_root, level, item))
            done = true;
        break;
    }
    case ButtonRelease:
        buttonReleased(event.xbutton.x_root, event.xbutton.y_root);
        break;
    case KeyPress:
        keyPressed(event.xkey);
        break;
    default:
        break;
    }
}

// [SECTION] Tracking

void MenuTracking::waitForEvents()
{
    XFlush(display);
    pollfd connection = {ConnectionNumber(display), POLLIN, 0};
    poll(&connection, 1, kWaitMilliseconds);
}

std::uint32_t MenuTracking::run(const X11PopupMenu& menu, const CPoint& screenPoint)
{
    if (menu.items().empty() || !openLevel(menu, screenPoint, screenPoint.x))
        return 0;
    draw(levels.front());
    if (!grab())
        return 0;
    while (!done && frame != nullptr && frame->getHandle() != nullptr) {
        frame->drainEvents();
        if (done || frame == nullptr)
            break;
        frame->modalLoopIdle();
        if (done || frame == nullptr)
            break;
        waitForEvents();
    }
    release();
    return result;
}
} // namespace

std::uint32_t trackPopupMenu(PopupMenu& menu, void* window, const CPoint& screenPoint, bool /*rightButton*/)
{
    X11FrameWindow* frame = frameWindowOf(window);
    if (frame == nullptr || frame->getHandle() == nullptr)
        return 0;
    MenuTracking tracking(*frame, window);
    MenuTracking* const outer = innermost;
    innermost = &tracking;
    const std::uint32_t command = tracking.run(static_cast<X11PopupMenu&>(menu), screenPoint);
    innermost = outer;
    return command <= kPopupLastCommand ? command : 0;
}

bool endPopupMenu(void* window)
{
    if (innermost == nullptr || !innermost->isShownFor(window))
        return false;
    innermost->end();
    return true;
}

} // namespace VSTGUI::platform
