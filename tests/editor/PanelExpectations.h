// Checks the gesture tests share: the edit requests a gesture sent and the label it left.
#pragma once

#include "PanelHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Exactly one beginEdit and then one endEdit, both with the tag, and no automation request.
::testing::AssertionResult isOneEditOf(const std::vector<HostRequest>& edits, int tag);
// The label under the knob shows the effect's display text and unit for the parameter.
::testing::AssertionResult labelShowsParameter(PanelHost& panel, int tag);
