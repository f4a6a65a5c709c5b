// Kestrovanel's own editor: a fixed panel with a background image, a knob per parameter
// (Gain, Amount, Output) and under each knob a label with the parameter's value and unit.
// The panel listens to its knobs: a turned knob sets the effect's parameter and rewrites
// the label under it.
#pragma once

#include "AEffGUIEditor.h"
#include "controls/CControlListener.h"

#include <cstddef>
#include <cstdint>

namespace VSTGUI {
class CBitmap;
class CTextLabel;
} // namespace VSTGUI

class kestrovanelGui : public AEffGUIEditor, public VSTGUI::CControlListener {
public:
    static constexpr std::int32_t kKnobCount = 3;
    // Room for a parameter's display text followed by its unit, terminator included.
    static constexpr std::size_t kLabelTextBytes = 64;

    explicit kestrovanelGui(AudioEffect* effect);
    // Takes down a frame the host left open.
    ~kestrovanelGui() override;

    // A second open without a close replaces the first frame. False without a parent window,
    // when the frame's window cannot be made, or while a gesture still holds the old frame.
    bool open(void* parentWindow) override;
    // A host may close the editor from inside the idle request of a knob's drag; the frame then
    // goes at the first idle after the gesture, since the drag still runs inside it.
    void close() override;
    void idle() override;

    void valueChanged(VSTGUI::CDrawContext* context, VSTGUI::CControl* control) override;

    // The label text of a parameter, into kLabelTextBytes bytes.
    void getDisplay(std::int32_t index, char* text);

private:
    void addKnobsAndLabels();
    // Releases the frame with every view in it, and the parent window.
    void destroyFrame();

    VSTGUI::CBitmap* background;
    bool closePending = false;
    // Owned by the frame; valid only while the panel is open.
    VSTGUI::CTextLabel* labels[kKnobCount] = {};
};
