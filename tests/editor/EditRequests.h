// The check every editor test makes of a gesture: the edit requests it sent the host.
#pragma once

#include "TestHost.h"

#include <gtest/gtest.h>

#include <vector>

// Exactly one beginEdit and then one endEdit, both with the tag, and no automation request.
::testing::AssertionResult isOneEditOf(const std::vector<HostRequest>& edits, int tag);
