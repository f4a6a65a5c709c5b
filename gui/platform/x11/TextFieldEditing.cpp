#include "TextFieldEditing.h"

#include "../TextField.h"

#include <algorithm>

namespace VSTGUI::platform {

namespace {
bool isPrintable(unsigned char character)
{
    return character >= 0x20 && character != 0x7F;
}
} // namespace

TextFieldEditing::TextFieldEditing(const char* text) : content(text != nullptr ? text : "")
{
    content.resize(std::min(content.size(), kTextFieldMaxChars));
    selectAll();
}

std::size_t TextFieldEditing::selectionStart() const
{
    return std::min(anchor, caretAt);
}

std::size_t TextFieldEditing::selectionEnd() const
{
    return std::max(anchor, caretAt);
}

void TextFieldEditing::insert(const std::string& typed)
{
    const std::size_t start = selectionStart();
    content.erase(start, selectionEnd() - start);
    std::string kept;
    for (const char character : typed) {
        if (content.size() + kept.size() >= kTextFieldMaxChars)
            break;
        if (isPrintable(static_cast<unsigned char>(character)))
            kept.push_back(character);
    }
    content.insert(start, kept);
    caretAt = anchor = start + kept.size();
}

void TextFieldEditing::erase(bool backward)
{
    if (anchor == caretAt) {
        if (backward && caretAt > 0)
            --anchor;
        else if (!backward && caretAt < content.size())
            ++anchor;
    }
    const std::size_t start = selectionStart();
    content.erase(start, selectionEnd() - start);
    caretAt = anchor = start;
}

void TextFieldEditing::moveLeft(bool extend)
{
    if (!extend && anchor != caretAt)
        placeCaret(selectionStart(), false);
    else
        placeCaret(caretAt > 0 ? caretAt - 1 : 0, extend);
}

void TextFieldEditing::moveRight(bool extend)
{
    if (!extend && anchor != caretAt)
        placeCaret(selectionEnd(), false);
    else
        placeCaret(caretAt + 1, extend);
}

void TextFieldEditing::placeCaret(std::size_t position, bool extend)
{
    caretAt = std::min(position, content.size());
    if (!extend)
        anchor = caretAt;
}

void TextFieldEditing::selectAll()
{
    anchor = 0;
    caretAt = content.size();
}

} // namespace VSTGUI::platform
