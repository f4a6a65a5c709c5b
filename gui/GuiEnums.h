// The small enumerations every part of the framework passes around; their numeric values
// cross every interface, so they are spelled out.
#pragma once

#include <cstdint>

namespace VSTGUI {

enum CTxtFace : std::int32_t { kNormalFace = 0, kTextBold = 1, kTextItalic = 2, kTextUnderline = 4 };

// Any other value behaves as kAlignLeft.
enum CHoriTxtAlign : std::int32_t { kAlignLeft = 0, kAlignCenter = 1, kAlignRight = 2 };

// Any other value selects copy.
enum CDrawMode : std::int32_t { kDrawModeCopy = 0, kDrawModeOr = 1, kDrawModeXor = 2 };

// Any other value draws solid.
enum CLineStyle : std::int32_t { kLineStyleSolid = 0, kLineStyleDotted = 1 };

// 3 or more draws nothing.
enum CDrawStyle : std::int32_t { kDrawStyleStroked = 0, kDrawStyleFilled = 1, kDrawStyleFilledStroked = 2 };

enum CMouseWheelAxis : std::int32_t { kWheelAxisX = 0, kWheelAxisY = 1 };

// The buttons word of every mouse operation; -1 means "not supplied".
enum CButton : std::int32_t {
    kMouseLeft = 1,
    kMouseMiddle = 2,
    kMouseRight = 4,
    kKeyShift = 8,
    kKeyControl = 16,
    kKeyAlt = 32
};

// Values above kCursorPointingHand behave as kCursorArrow.
enum CCursorType : std::int32_t {
    kCursorArrow = 0,
    kCursorBusy,
    kCursorResizeWE,
    kCursorResizeNS,
    kCursorMove,
    kCursorResizeNESW,
    kCursorResizeNWSE,
    kCursorCopyItem,
    kCursorForbidden,
    kCursorPointingHand
};

} // namespace VSTGUI
