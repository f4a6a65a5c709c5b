// The gallery's tab view: one tab per page, and a word to the editor whenever the user's click
// (or a drag over a tab) chooses another page, so the Page parameter can follow.
#pragma once

#include "GalleryLayout.h"
#include "containers/CTabView.h"

#include <functional>

class PageTabView : public VSTGUI::CTabView {
public:
    using PageChosen = std::function<void(gallery::Page)>;

    PageTabView(const VSTGUI::CRect& size, VSTGUI::CFrame* frame, const VSTGUI::CRect& tabSize, PageChosen chosen);

    void valueChanged(VSTGUI::CDrawContext* context, VSTGUI::CControl* control) override;

private:
    PageChosen pageChosen;
};
