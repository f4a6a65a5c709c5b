// The buttons-and-modifiers word of mouse operations, read from the current input state.
#pragma once

#include <cstdint>

namespace VSTGUI {

// Set by the frame from the user's setting: the physical right button is then the primary one.
extern bool gSwapMouseButtons;

std::int32_t readMouseButtons();

} // namespace VSTGUI
