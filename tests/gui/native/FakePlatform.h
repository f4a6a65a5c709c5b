// A platform backend for the native unit tests: surfaces record every call as a line of text,
// images are plain memory, and the cursor, keys and clocks are set by the test.
#pragma once

#include "CPoint.h"
#include "platform/Platform.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fake {

struct Input {
    VSTGUI::CPoint cursor;
    // When set, each cursor read takes the next position; the last one stays.
    std::vector<VSTGUI::CPoint> cursorPath;
    std::size_t cursorReads = 0;
    bool keysDown[6] = {};
    std::uint32_t messageTime = 0;
    std::uint32_t doubleClickTime = 500;
    // Each read advances the clock by tickStep.
    std::uint32_t tickCount = 0;
    std::uint32_t tickStep = 1;
    // takePrimaryButtonPress answers true once tickCount reaches this (0: never).
    std::uint32_t pressArrivesAt = 0;
    VSTGUI::CPoint windowOrigin;
};

// Reset by every test fixture.
extern Input input;
// What every surface did, in order, across all surfaces.
extern std::vector<std::string> calls;

void reset();

} // namespace fake
