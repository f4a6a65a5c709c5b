// The tests give places in the coordinates of the page shown, which lies at (kPageLeft,
// kPageTop) in the gallery's editor; these take them to the editor's, as PanelHost has them.
#pragma once

#include "GalleryLayout.h"
#include "PanelHost.h"

#include <vector>

inline POINT onEditor(POINT pagePoint)
{
    return {pagePoint.x + gallery::kPageLeft, pagePoint.y + gallery::kPageTop};
}

inline VSTGUI::CColor pagePixel(const PanelHost& gallery, int x, int y)
{
    return gallery.pixel(x + gallery::kPageLeft, y + gallery::kPageTop);
}

inline std::vector<VSTGUI::CColor> pagePixels(const PanelHost& gallery, int left, int top, int right, int bottom)
{
    return gallery.pixels(left + gallery::kPageLeft, top + gallery::kPageTop, right + gallery::kPageLeft,
                          bottom + gallery::kPageTop);
}

// Before the editor opens: it shows this page.
inline void showPage(PanelHost& gallery, gallery::Page page)
{
    gallery.host().setParameter(gallery::kPage, gallery::pageValue(page));
}

constexpr SIZE kGalleryEditorSize = {gallery::kEditorWidth, gallery::kEditorHeight};
