// The gallery's editor: a tab view with one tab per page, showing the page the Page parameter
// selects, each page's controls bound to their parameters with a readout under each. A click
// on a tab is an edit of the Page parameter; host automation, of the page too, reaches the
// editor at the next idle.
#pragma once

#include "AEffGUIEditor.h"
#include "GalleryLayout.h"
#include "ParameterBindings.h"
#include "controls/CControlListener.h"

namespace VSTGUI {
class CBitmap;
class CControl;
} // namespace VSTGUI

class PageTabView;

class GalleryEditor : public AEffGUIEditor, public VSTGUI::CControlListener {
public:
    explicit GalleryEditor(AudioEffect* effect);
    ~GalleryEditor() override;

    // A second open without a close replaces the first frame; false without a parent window,
    // when the frame's window cannot be made, or while a gesture still holds the old frame.
    bool open(void* parentWindow) override;
    // A close from inside a gesture's idle request waits for the gesture to end.
    void close() override;
    void idle() override;

    void valueChanged(VSTGUI::CDrawContext* context, VSTGUI::CControl* control) override;

private:
    // Every page is built and bound at once; the tab view shows one.
    void buildPages();
    // The user chose a page on the tab view: the Page parameter follows as one edit.
    void pageChosen(gallery::Page page);
    void showHostChanges();
    void destroyFrame();

    VSTGUI::CBitmap* background;
    bool closePending = false;
    ParameterBindings bindings;
    // Owned by the frame; valid only while the editor is open.
    PageTabView* tabs = nullptr;
    gallery::Page shownPage = gallery::kBitmapControlsPage;
};
