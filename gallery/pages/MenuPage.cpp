#include "MenuPage.h"

#include "GalleryPage.h"
#include "controls/COptionMenu.h"
#include "controls/COptionMenuScheme.h"
#include "controls/CTextLabel.h"

#include <cmath>
#include <string>

using namespace gallery;
using VSTGUI::COptionMenu;

namespace {
constexpr VSTGUI::CColor kCaptionColour = {200, 200, 190, 255};
constexpr VSTGUI::CColor kMenuBack = {36, 38, 46, 255};
constexpr VSTGUI::CColor kMenuText = {230, 230, 220, 255};
constexpr std::int32_t kCaptionHeight = 16;

// Host values are fractions of the entries: the nearest entry is meant, not the one the
// fraction's rounding leaves below it.
class ParameterMenu final : public COptionMenu {
public:
    // The current entry shows a check mark.
    ParameterMenu(const VSTGUI::CRect& area, VSTGUI::CControlListener* menuListener, Parameter parameter)
        : COptionMenu(area, menuListener, parameter, nullptr, nullptr, VSTGUI::kCheckCurrentStyle)
    {
        setBackColor(kMenuBack);
        setFrameColor(kCaptionColour);
        setFontColor(kMenuText);
    }

    void setValue(float newValue) override { COptionMenu::setValue(std::floor(newValue + 0.5f)); }
};

class GalleryMenuScheme final : public VSTGUI::COptionMenuScheme {
public:
    GalleryMenuScheme()
    {
        backgroundColor = kSchemeBackground;
        selectionColor = kSchemeSelection;
        textColor = kSchemeText;
        hiliteTextColor = kSchemeHighlightedText;
        disableTextColor = kSchemeDisabledText;
    }
};

// A sub-menu entry among a menu's entries: the menu holds the sub-menu from then on.
struct SubMenuEntry {
    COptionMenu* menu = nullptr;
    const char* title = nullptr;
    std::size_t position = 0;
};

// The parameter spans the menu's entries, sub-menu entries included.
template <std::size_t count>
ParameterMenu* makeMenu(GalleryPage& page, Parameter parameter, const VSTGUI::CRect& area,
                        const char* const (&entries)[count], SubMenuEntry subMenu = {})
{
    auto* menu = new ParameterMenu(area, page.listener(), parameter);
    for (std::size_t position = 0; position <= count; ++position) {
        if (subMenu.menu != nullptr && position == subMenu.position) {
            menu->addEntry(subMenu.menu, subMenu.title);
            subMenu.menu->forget();
        }
        if (position < count)
            menu->addEntry(entries[position]);
    }
    menu->setMax(static_cast<float>(menu->getNbEntries() - 1));
    return menu;
}

void addCaption(GalleryPage& page, std::int32_t column, const char* text)
{
    const VSTGUI::CRect menu = menuRect(column);
    auto* caption =
        new VSTGUI::CTextLabel(VSTGUI::CRect(menu.left, menu.top - kCaptionHeight - kReadoutGap, menu.right,
                                             menu.top - kReadoutGap),
                               text);
    caption->setTransparency(true);
    caption->setFontColor(kCaptionColour);
    page.addView(caption);
}

void buildNestedMenu(GalleryPage& page)
{
    ParameterMenu* low = makeMenu(page, kNestedDeepMenu, VSTGUI::CRect(), kLowEntries);
    ParameterMenu* strings =
        makeMenu(page, kNestedSubMenu, VSTGUI::CRect(), kStringsEntries, {low, kLowTitle, kLowPosition});
    ParameterMenu* nested =
        makeMenu(page, kNestedMenu, kNestedMenuArea, kNestedEntries, {strings, kStringsTitle, kStringsPosition});
    page.addControl(kNestedMenu, nested, menuReadoutRect(0, 0));
    page.bindDetached(kNestedSubMenu, strings, menuReadoutRect(0, 1));
    page.bindDetached(kNestedDeepMenu, low, menuReadoutRect(0, 2));
    addCaption(page, 0, "Every kind, nested");
}

void buildColumnMenu(GalleryPage& page)
{
    auto* menu = new ParameterMenu(kColumnMenuArea, page.listener(), kColumnMenu);
    menu->setPrefixNumbers(kColumnPrefixDigits);
    menu->setNbItemsPerColumn(kColumnItems);
    for (std::int32_t entry = 1; entry <= kColumnEntries; ++entry)
        menu->addEntry(("Step " + std::to_string(entry)).c_str());
    menu->setMax(static_cast<float>(kColumnEntries - 1));
    page.addControl(kColumnMenu, menu, menuReadoutRect(1, 0));
    addCaption(page, 1, "Columns");
}

void buildSchemeMenu(GalleryPage& page)
{
    ParameterMenu* menu = makeMenu(page, kSchemeMenu, kSchemeMenuArea, kSchemeEntries);
    auto* scheme = new GalleryMenuScheme;
    menu->setScheme(scheme);
    scheme->forget();
    page.addControl(kSchemeMenu, menu, menuReadoutRect(2, 0));
    addCaption(page, 2, "Drawn by a scheme");
}
} // namespace

void buildMenuPage(GalleryPage& page)
{
    buildNestedMenu(page);
    buildColumnMenu(page);
    buildSchemeMenu(page);
}
