// FIXME: the editor base is not built yet. This declares only what the frame window calls on
// its editor (edit notifications, idle work, ticks, knob mode, and the effect for resize
// requests), so the frame can be built and tested with an editor; the editor base replaces it.
#pragma once

#include "AEffEditor.h"
#include "AudioEffectX.h"
#include "platform/Platform.h"

namespace VSTGUI {
class CFrame;
}

class AEffGUIEditor : public AEffEditor {
public:
    explicit AEffGUIEditor(AudioEffect* owner) : AEffEditor(owner) {}

    virtual void setParameter(int32 /*index*/, float /*value*/) {}
    virtual bool beginEdit(int32 index) { return effect != nullptr && asEffectX()->beginEdit(index); }
    virtual bool endEdit(int32 index) { return effect != nullptr && asEffectX()->endEdit(index); }
    virtual void doIdleStuff() {}

    uint32 getTicks() const { return VSTGUI::platform::getTickCount(); }

    // Set by the host for every editor of the library; knobs read it through their frame.
    static inline int32 knobMode = 0;

protected:
    AudioEffectX* asEffectX() const { return static_cast<AudioEffectX*>(effect); }

    VSTGUI::CFrame* frame = nullptr;
};
