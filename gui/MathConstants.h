// Numeric constants shared by the drawing code, in the single precision it computes in.
#pragma once

namespace VSTGUI {

constexpr float kPi = 3.14159265358979f;

} // namespace VSTGUI
