#include "PageTabView.h"

PageTabView::PageTabView(const VSTGUI::CRect& size, VSTGUI::CFrame* frame, const VSTGUI::CRect& tabSize_,
                         PageChosen chosen)
    : CTabView(size, frame, tabSize_, nullptr, VSTGUI::kTabPositionTop), pageChosen(std::move(chosen))
{
}

void PageTabView::valueChanged(VSTGUI::CDrawContext* context, VSTGUI::CControl* control)
{
    const std::int32_t before = getCurrentTabIndex();
    CTabView::valueChanged(context, control);
    const std::int32_t after = getCurrentTabIndex();
    if (after != before && after >= 0 && after < gallery::kPageCount)
        pageChosen(static_cast<gallery::Page>(after));
}
