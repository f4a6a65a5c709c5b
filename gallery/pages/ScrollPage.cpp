#include "ScrollPage.h"

#include "GalleryLayout.h"
#include "GalleryPage.h"
#include "containers/CScrollContainer.h"
#include "containers/CScrollView.h"
#include "controls/COnOffButton.h"
#include "controls/CTextLabel.h"

#include <string>

using namespace gallery;

namespace {
constexpr std::int32_t kLabelGap = 4;
constexpr std::int32_t kLabelHeight = 16;
constexpr VSTGUI::CColor kContentColour = {44, 46, 58, 255};
constexpr VSTGUI::CColor kLabelColour = {200, 200, 190, 255};
} // namespace

// The buttons report to nobody: they are not parameters, they are what there is to reach.
void buildScrollPage(GalleryPage& page)
{
    auto* view = new VSTGUI::CScrollView(kScrollViewArea, kScrollContent, page.frame(),
                                         VSTGUI::kScrollViewHorizontalBar | VSTGUI::kScrollViewVerticalBar,
                                         kScrollBarWidth);
    page.addView(view);
    view->getScrollContainer()->setTransparency(false);
    view->getScrollContainer()->setBackgroundColor(kContentColour);
    VSTGUI::CBitmap* lamp = page.image(kOnOffImage);
    for (std::int32_t row = 0; row < kScrollGridRows; ++row) {
        for (std::int32_t column = 0; column < kScrollGridColumns; ++column) {
            const VSTGUI::CRect place = scrollButtonRect(column, row);
            view->addView(new VSTGUI::COnOffButton(place, nullptr, 0, lamp));
            const std::string name = std::to_string(row + 1) + "." + std::to_string(column + 1);
            auto* label = new VSTGUI::CTextLabel(VSTGUI::CRect(place.left - 16, place.bottom + kLabelGap, place.right + 16,
                                                               place.bottom + kLabelGap + kLabelHeight),
                                                 name.c_str());
            label->setTransparency(true);
            label->setFontColor(kLabelColour);
            view->addView(label);
        }
    }
}
