#include "ParameterBindings.h"

#include "AudioEffect.h"
#include "controls/CControl.h"
#include "controls/CParamDisplay.h"

using gallery::kParameterCount;
using VSTGUI::CControl;

namespace {
float asParameter(const CControl& control)
{
    const float span = control.getMax() - control.getMin();
    return span != 0.0f ? (control.getValue() - control.getMin()) / span : 0.0f;
}

float asValue(const CControl& control, float parameter)
{
    return control.getMin() + parameter * (control.getMax() - control.getMin());
}
} // namespace

ParameterBindings::ParameterBindings(AudioEffect& effect_) : effect(effect_) {}

void ParameterBindings::bind(gallery::Parameter parameter, CControl* control, VSTGUI::CParamDisplay* readout)
{
    if (parameter < 0 || parameter >= kParameterCount || control == nullptr)
        return;
    shown[parameter] = effect.getParameter(parameter);
    control->setValue(asValue(*control, shown[parameter]));
    if (readout != nullptr)
        readout->setValue(shown[parameter]);
    controls[parameter] = control;
    readouts[parameter] = readout;
}

void ParameterBindings::unbindAll()
{
    for (std::int32_t i = 0; i < kParameterCount; ++i) {
        controls[i] = nullptr;
        readouts[i] = nullptr;
    }
}

void ParameterBindings::controlChanged(CControl& control)
{
    const std::int32_t tag = control.getTag();
    if (tag < 0 || tag >= kParameterCount || controls[tag] != &control)
        return;
    effect.setParameter(tag, asParameter(control));
    shown[tag] = effect.getParameter(tag);
    if (readouts[tag] != nullptr)
        readouts[tag]->setValue(shown[tag]);
}

void ParameterBindings::showHostChanges()
{
    for (std::int32_t i = 0; i < kParameterCount; ++i) {
        if (controls[i] == nullptr)
            continue;
        const float parameter = effect.getParameter(i);
        if (parameter == shown[i])
            continue;
        shown[i] = parameter;
        controls[i]->setValue(asValue(*controls[i], parameter));
        if (readouts[i] != nullptr)
            readouts[i]->setValue(parameter);
    }
}
