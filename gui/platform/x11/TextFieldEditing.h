// The text, caret and selection of a single-line field, and the edits that keys, clicks and
// pastes make on them. The text is bytes of the host's Latin code page; positions are offsets
// into it. The selection runs from the anchor to the caret.
#pragma once

#include <cstddef>
#include <string>

namespace VSTGUI::platform {

class TextFieldEditing {
public:
    // Cut at kTextFieldMaxChars, all of it selected.
    explicit TextFieldEditing(const char* text);

    const std::string& text() const { return content; }
    std::size_t caret() const { return caretAt; }
    std::size_t selectionStart() const;
    std::size_t selectionEnd() const;

    // Replaces the selection with the printable characters of typed; what would pass the
    // limit is cut.
    void insert(const std::string& typed);
    // The selection, else the character before (backward) or after the caret.
    void erase(bool backward);
    // An arrow without extend drops a selection at its end in the arrow's direction.
    void moveLeft(bool extend);
    void moveRight(bool extend);
    void placeCaret(std::size_t position, bool extend);
    void selectAll();

private:
    std::string content;
    std::size_t caretAt = 0;
    std::size_t anchor = 0;
};

} // namespace VSTGUI::platform
