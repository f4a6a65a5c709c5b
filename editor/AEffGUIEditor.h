// The editor base: carries the host's editor opcodes to the GUI framework. It owns the frame
// pointer while the editor is open (the derived editor creates and destroys the frame), keeps
// the rectangle the host asks for, forwards keys and the wheel, throttles the idle work that
// mouse-tracking loops request, holds the knob mode of all knobs and passes edit gestures on.
#pragma once

#include "AEffEditor.h"
#include "AudioEffectX.h"
#include "platform/Platform.h"

namespace VSTGUI {
class CFrame;
}

class AEffGUIEditor : public AEffEditor {
public:
    // Registers itself as the effect's editor; the effect deletes it.
    explicit AEffGUIEditor(AudioEffect* effect);
    ~AEffGUIEditor() override;

    // [SECTION] Host opcodes
    bool getRect(ERect** rect) override;
    // Set up per editor on the thread that runs the editor, and undone there.
    bool open(void* ptr) override;
    void close() override;
    // Redraws the frame's dirty views, except when the host idles from inside doIdleStuff.
    void idle() override;
    bool onKeyDown(VstKeyCode& keyCode) override;
    bool onKeyUp(VstKeyCode& keyCode) override;
    bool onWheel(float distance) override;
    bool setKnobMode(int32 mode) override;

    // [SECTION] Framework side
    // Host-side parameter changes; the base shows none.
    virtual void setParameter(int32 /*index*/, float /*value*/) {}
    virtual bool beginEdit(int32 index);
    virtual bool endEdit(int32 index);
    // Idle work for tracking loops, at most about every 50 ms; sleeps briefly otherwise.
    virtual void doIdleStuff();

    // True between a control's beginEdit and endEdit, while its gesture may hold the frame.
    bool isEditing() const { return editsInProgress > 0; }

    uint32 getTicks() const { return VSTGUI::platform::getTickCount(); }
    void wait(uint32 milliseconds);

    VSTGUI::CFrame* getFrame() const { return frame; }

    // Set by the host for every editor of the library; knobs read it through their frame.
    static inline int32 knobMode = 0;

protected:
    ERect rect = {};
    // The tick count from which the next idle pass is due.
    uint32 lastTicks = 0;
    bool inIdleStuff = false;
    VSTGUI::CFrame* frame = nullptr;

private:
    AudioEffectX* asEffectX() const { return static_cast<AudioEffectX*>(effect); }

    bool dragAndDropReady = false;
    int32 editsInProgress = 0;
};
