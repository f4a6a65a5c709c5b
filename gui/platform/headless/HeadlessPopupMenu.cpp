#include "HeadlessPopupMenu.h"

#include <utility>

namespace VSTGUI::platform {

namespace {
headless::PopupChooser chooser;
int liveMenus = 0;
bool showing = false;
void* shownFor = nullptr;
bool ended = false;

class MemoryPopupMenu final : public PopupMenu {
public:
    MemoryPopupMenu() { ++liveMenus; }
    ~MemoryPopupMenu() override { --liveMenus; }

    void appendItem(const char* text, std::uint32_t command, std::uint32_t flags, PopupItemPainter* painter) override
    {
        items.push_back({text, command, flags, painter, false, {}});
    }

    void appendSubMenu(std::unique_ptr<PopupMenu> subMenu, const char* text, std::uint32_t flags,
                       PopupItemPainter* painter) override
    {
        auto* memory = static_cast<MemoryPopupMenu*>(subMenu.get());
        items.push_back({text, 0, flags, painter, true, memory->items});
        subMenus.push_back(std::move(subMenu));
    }

    std::vector<headless::PopupItem> items;
    std::vector<std::unique_ptr<PopupMenu>> subMenus;
};
} // namespace

std::unique_ptr<PopupMenu> createPopupMenu()
{
    return std::make_unique<MemoryPopupMenu>();
}

std::uint32_t trackPopupMenu(PopupMenu& menu, void* window, const CPoint& screenPoint, bool rightButton)
{
    if (!chooser)
        return 0;
    const bool outerShowing = showing;
    void* outerWindow = shownFor;
    const bool outerEnded = ended;
    showing = true;
    shownFor = window;
    ended = false;
    const headless::ShownPopup popup{static_cast<MemoryPopupMenu&>(menu).items, screenPoint, rightButton, window};
    const std::uint32_t command = chooser(popup);
    const bool endedHere = ended;
    showing = outerShowing;
    shownFor = outerWindow;
    ended = outerEnded;
    return endedHere ? 0 : command;
}

bool endPopupMenu(void* window)
{
    if (!showing || shownFor != window)
        return false;
    ended = true;
    return true;
}

MenuColors getMenuColors()
{
    return {CColor{240, 240, 240, 255}, CColor{0, 120, 215, 255}, CColor{0, 0, 0, 255},
            CColor{255, 255, 255, 255}, CColor{109, 109, 109, 255}};
}

namespace headless {

void setPopupChooser(PopupChooser newChooser)
{
    chooser = std::move(newChooser);
}

bool wasPopupEnded()
{
    return ended;
}

int livePopupMenus()
{
    return liveMenus;
}

} // namespace headless
} // namespace VSTGUI::platform
