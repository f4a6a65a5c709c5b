// Counts the C++ allocations of this program that are still alive, so a test can tell whether
// a piece of work gave back everything it took.
#pragma once

#include <cstdint>

std::int64_t liveAllocations();
