// The gallery's controls and readouts bound to its parameters. A parameter is the control's
// value as a fraction of the control's range; host changes reach the control and its readout
// at the next idle, as a framework user needs to see working.
#pragma once

#include "GalleryLayout.h"

#include <functional>
#include <utility>
#include <vector>

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
    // The control shows the input level from now on (null for none), as the views above.
    void bindLevel(VSTGUI::CControl* meter) { levelMeter = meter; }
    // The task runs at every idle outside a gesture from now on, until unbound.
    void bindIdleTask(std::function<void()> task) { idleTasks.push_back(std::move(task)); }
    void unbindAll();

    // An edit of a bound control becomes its parameter; other controls are ignored.
    void controlChanged(VSTGUI::CControl& control);
    void showHostChanges();
    void showLevel(float peak);
    void runIdleTasks();

private:
    AudioEffect& effect;
    VSTGUI::CControl* controls[gallery::kParameterCount] = {};
    VSTGUI::CParamDisplay* readouts[gallery::kParameterCount] = {};
    VSTGUI::CControl* levelMeter = nullptr;
    std::vector<std::function<void()>> idleTasks;
    // The parameter each control shows, to see what the host changed since.
    float shown[gallery::kParameterCount] = {};
};
