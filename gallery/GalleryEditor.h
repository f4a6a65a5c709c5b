// The gallery's editor: one page showing every bitmap control of the framework, each bound to
// the parameter of its index, with a readout of the parameter under it. Host automation
// reaches the controls at the next idle.
//
// More views go on the page in addPageViews, one frame->addView line each; kDropArea of
// GalleryLayout.h is left free for one.
#pragma once

#include "AEffGUIEditor.h"
#include "GalleryLayout.h"
#include "controls/CControlListener.h"

namespace VSTGUI {
class CBitmap;
class CControl;
class CParamDisplay;
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
    void addPageViews();
    void addControl(gallery::Control index, VSTGUI::CControl* control);
    // Moves parameters the host changed into their controls and readouts.
    void showHostChanges();
    void destroyFrame();

    VSTGUI::CBitmap* background;
    bool closePending = false;
    // Owned by the frame; valid only while the editor is open.
    VSTGUI::CControl* controls[gallery::kControlCount] = {};
    VSTGUI::CParamDisplay* readouts[gallery::kControlCount] = {};
    // The parameter each control shows, to see what the host changed since.
    float shown[gallery::kControlCount] = {};
};
