// What a page's builder fills: the page's container, with page-local coordinates, and the
// bindings of its controls to the gallery's parameters. Lives while the page is built.
#pragma once

#include "GalleryLayout.h"

#include <vector>

class ParameterBindings;

namespace VSTGUI {
class CBitmap;
class CControl;
class CControlListener;
class CFrame;
class CRect;
class CView;
class CViewContainer;
} // namespace VSTGUI

class GalleryPage {
public:
    GalleryPage(VSTGUI::CViewContainer& container, ParameterBindings& bindings, VSTGUI::CControlListener& listener);
    // Gives back the page's references to its images; the controls hold their own.
    ~GalleryPage();
    GalleryPage(const GalleryPage&) = delete;
    GalleryPage& operator=(const GalleryPage&) = delete;

    // The listener every control of the page reports to.
    VSTGUI::CControlListener* listener() const { return &controlListener; }
    VSTGUI::CBitmap* image(gallery::Image id);
    // Containers on the page need it when they are made: children copy it as they join.
    VSTGUI::CFrame* frame() const;

    // The page takes over the view's first reference.
    void addView(VSTGUI::CView* view);
    // The control shows its parameter, and a readout of it sits at readoutArea.
    void addControl(gallery::Parameter parameter, VSTGUI::CControl* control, const VSTGUI::CRect& readoutArea);

private:
    VSTGUI::CViewContainer& container;
    ParameterBindings& bindings;
    VSTGUI::CControlListener& controlListener;
    std::vector<VSTGUI::CBitmap*> images;
};
