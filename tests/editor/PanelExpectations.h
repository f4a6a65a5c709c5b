// Checks the panel tests share: the edit requests a gesture sent, the label it left, and the
// knob handle's light centre.
#pragma once

#include "EditRequests.h"
#include "PanelHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The label under the knob shows the effect's display text and unit for the parameter.
::testing::AssertionResult labelShowsParameter(PanelHost& panel, int tag);
// The handle dot's centre is light, so it reads on the dark knob body at every angle.
inline bool isHandleCentre(VSTGUI::CColor color)
{
    return color.red + color.green + color.blue > 500;
}
