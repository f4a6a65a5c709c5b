#include "PanelExpectations.h"

#include "ReferenceLabel.h"

::testing::AssertionResult labelShowsParameter(PanelHost& panel, int tag)
{
    const std::string text = panel.host().text(effGetParamDisplay, tag) + panel.host().text(effGetParamLabel, tag);
    const int left = PanelLayout::kKnobLeft[tag];
    if (panel.pixels(left, PanelLayout::kLabelTop, left + 50, PanelLayout::kLabelBottom)
        != referenceLabelPixels(text.c_str()))
        return ::testing::AssertionFailure() << "label " << tag << " does not show " << text;
    return ::testing::AssertionSuccess() << text;
}
