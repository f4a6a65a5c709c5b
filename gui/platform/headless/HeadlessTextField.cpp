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
        openField = this;
    }
    ~MemoryTextField() override
    {
        if (openField == this)
            openField = nullptr;
    }
    std::string getText() const override { return text; }

    std::string text;
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

void moveFocusFromTextField()
{
    if (openField != nullptr)
        openField->events.textFieldFocusLost();
}

} // namespace headless
} // namespace VSTGUI::platform
