// The gallery's editor: one page at a time, the one the Page parameter selects, each page's
// controls bound to their parameters with a readout under each. Host automation, of the page
// too, reaches the editor at the next idle.
#pragma once

#include "AEffGUIEditor.h"
#include "GalleryLayout.h"
#include "ParameterBindings.h"
#include "controls/CControlListener.h"

namespace VSTGUI {
class CBitmap;
class CControl;
class CViewContainer;
} // namespace VSTGUI

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
    // Replaces the page on show by a new one; not while a gesture holds a control of it.
    void showPage(gallery::Page page);
    void showHostChanges();
    void destroyFrame();

    VSTGUI::CBitmap* background;
    bool closePending = false;
    ParameterBindings bindings;
    // Owned by the frame; valid only while the editor is open.
    VSTGUI::CViewContainer* pageView = nullptr;
    gallery::Page shownPage = gallery::kBitmapControlsPage;
};
