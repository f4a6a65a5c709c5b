#include "HeadlessTextField.h"

#include "../TextField.h"

#include <algorithm>

namespace VSTGUI::platform {

namespace {
class MemoryTextField;
MemoryTextField* openField = nullptr;

class MemoryTextField final : public TextField {
public:
    MemoryTextField(const char* text_, TextFieldEvents& events_) : text(text_ != nullptr ? text_ : ""), events(events_)
    {
        text.resize(std::min(text.size(), kTextFieldMaxChars));
        caret = text.size();
        openField = this;
    }
    ~MemoryTextField() override
    {
        if (openField == this)
            openField = nullptr;
    }
    std::string getText() const override { return text; }

    // All text starts selected: an edit replaces it, a move drops the selection at that end.
    void pressKey(TextFieldKey key, char character) override
    {
        const bool replacing = allSelected;
        allSelected = false;
        if (replacing && (key == TextFieldKey::character || key == TextFieldKey::backspace
                          || key == TextFieldKey::deleteForward)) {
            text.clear();
            caret = 0;
            if (key != TextFieldKey::character)
                return;
        }
        switch (key) {
        case TextFieldKey::character:
            if (text.size() < kTextFieldMaxChars)
                text.insert(caret++, 1, character);
            break;
        case TextFieldKey::backspace:
            if (caret > 0)
                text.erase(--caret, 1);
            break;
        case TextFieldKey::deleteForward:
            if (caret < text.size())
                text.erase(caret, 1);
            break;
        case TextFieldKey::left:
            caret = replacing ? 0 : caret - (caret > 0 ? 1 : 0);
            break;
        case TextFieldKey::right:
            caret = replacing ? text.size() : std::min(caret + 1, text.size());
            break;
        case TextFieldKey::home:
            caret = 0;
            break;
        case TextFieldKey::end:
            caret = text.size();
            break;
        }
    }

    std::string text;
    std::size_t caret = 0;
    bool allSelected = true;
    TextFieldEvents& events;
};
} // namespace

std::unique_ptr<TextField> createTextField(void* /*parentWindow*/, const CRect& /*rect*/, const char* text,
                                           const TextFieldLook& /*look*/, TextFieldEvents& events)
{
    return std::make_unique<MemoryTextField>(text, events);
}

namespace headless {

bool isTextFieldOpen()
{
    return openField != nullptr;
}

void typeIntoTextField(const std::string& text)
{
    if (openField != nullptr)
        openField->text = text.substr(0, kTextFieldMaxChars);
}

std::string textFieldText()
{
    return openField != nullptr ? openField->text : std::string();
}

void pressReturnInTextField()
{
    if (openField != nullptr)
        openField->events.textFieldReturnPressed();
}

void pressEscapeInTextField()
{
    if (openField != nullptr)
        openField->events.textFieldEscapePressed();
}

void moveFocusFromTextField()
{
    if (openField != nullptr)
        openField->events.textFieldFocusLost();
}

} // namespace headless
} // namespace VSTGUI::platform
