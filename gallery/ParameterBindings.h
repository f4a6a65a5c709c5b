// The gallery's controls and readouts bound to its parameters. A parameter is the control's
// value as a fraction of the control's range; host changes reach the control and its readout
// at the next idle, as a framework user needs to see working.
#pragma once

#include "GalleryLayout.h"

class AudioEffect;

namespace VSTGUI {
class CControl;
class CParamDisplay;
} // namespace VSTGUI

class ParameterBindings {
public:
    explicit ParameterBindings(AudioEffect& effect);

    // The control shows the parameter from now on; the readout may be null. The views stay
    // owned by their container: unbind before it releases them.
    void bind(gallery::Parameter parameter, VSTGUI::CControl* control, VSTGUI::CParamDisplay* readout);
    void unbindAll();

    // An edit of a bound control becomes its parameter; other controls are ignored.
    void controlChanged(VSTGUI::CControl& control);
    void showHostChanges();

private:
    AudioEffect& effect;
    VSTGUI::CControl* controls[gallery::kParameterCount] = {};
    VSTGUI::CParamDisplay* readouts[gallery::kParameterCount] = {};
    // The parameter each control shows, to see what the host changed since.
    float shown[gallery::kParameterCount] = {};
};
