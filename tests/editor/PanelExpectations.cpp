#include "PanelExpectations.h"

#include "ReferenceLabel.h"

::testing::AssertionResult isOneEditOf(const std::vector<HostRequest>& edits, int tag)
{
    if (edits.size() != 2)
        return ::testing::AssertionFailure() << edits.size() << " edit requests instead of 2";
    if (edits[0].opcode != audioMasterBeginEdit || edits[1].opcode != audioMasterEndEdit)
        return ::testing::AssertionFailure() << "requests " << edits[0].opcode << ", " << edits[1].opcode;
    if (edits[0].index != tag || edits[1].index != tag)
        return ::testing::AssertionFailure() << "indices " << edits[0].index << ", " << edits[1].index;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult labelShowsParameter(PanelHost& panel, int tag)
{
    const std::string text = panel.host().text(effGetParamDisplay, tag) + panel.host().text(effGetParamLabel, tag);
    const int left = PanelLayout::kKnobLeft[tag];
    if (panel.pixels(left, PanelLayout::kLabelTop, left + 50, PanelLayout::kLabelBottom)
        != referenceLabelPixels(text.c_str()))
        return ::testing::AssertionFailure() << "label " << tag << " does not show " << text;
    return ::testing::AssertionSuccess() << text;
}
