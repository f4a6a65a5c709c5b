// A native single-line text field placed over a control while its text is edited: it takes
// the keyboard focus, holds at most kTextFieldMaxChars characters with all text selected at
// the start, and reports Return, Escape and the loss of the focus. Keys a host forwards to the
// editor instead of the field reach it through pressKey. gui/platform/win32/ implements it
// for Windows; the headless backend keeps the text in memory.
#pragma once

#include "../CColor.h"
#include "../CRect.h"
#include "../GuiEnums.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace VSTGUI::platform {

constexpr std::size_t kTextFieldMaxChars = 255;

struct TextFieldLook {
    CHoriTxtAlign align = kAlignCenter;
    const char* fontName = "";
    // Pixels of the character height.
    std::int32_t fontHeight = 0;
    CColor fontColor;
    CColor backColor;
};

// Delivered on the thread that owns the field. A handler may destroy the field; the platform
// touches nothing of it afterwards and reports nothing more.
class TextFieldEvents {
public:
    virtual ~TextFieldEvents() = default;
    virtual void textFieldReturnPressed() = 0;
    virtual void textFieldEscapePressed() = 0;
    virtual void textFieldFocusLost() = 0;
};

// The editing keys a field takes from outside; the rest reach the events above.
enum class TextFieldKey { character, backspace, deleteForward, left, right, home, end };

// Destroying the object removes the field without reporting the focus loss this causes.
class TextField {
public:
    virtual ~TextField() = default;
    // At most kTextFieldMaxChars characters.
    virtual std::string getText() const = 0;
    // As the key typed into the field would; character is read for TextFieldKey::character.
    virtual void pressKey(TextFieldKey key, char character) = 0;
};

// rect is in the client coordinates of parentWindow. Null when the field cannot be made.
std::unique_ptr<TextField> createTextField(void* parentWindow, const CRect& rect, const char* text,
                                           const TextFieldLook& look, TextFieldEvents& events);

} // namespace VSTGUI::platform
