// A display of an editable string of up to 255 characters. Clicked, it opens a native text
// field over itself; Return or the loss of the keyboard focus takes the typed text back and
// tells the listener when it changed; Escape closes the field and keeps the old text. While the
// field is open, the keys a host hands to the editor instead of the field are typed into it.
#pragma once

#include "../platform/TextField.h"
#include "CParamDisplay.h"

#include <memory>

namespace VSTGUI {

enum : std::int32_t { kDoubleClickStyle = 0x2000 };

constexpr std::size_t kTextEditBytes = kParamDisplayTextBytes;

using TextToDisplay = void (*)(char* text, char* display);
using TextToDisplayWithData = void (*)(char* text, char* display, void* userData);

class CTextEdit : public CParamDisplay, private platform::TextFieldEvents {
public:
    CTextEdit(const CRect& size, CControlListener* listener, std::int32_t tag, const char* text = nullptr,
              CBitmap* background = nullptr, std::int32_t style = 0);
    ~CTextEdit() override;

    void draw(CDrawContext* context) override;
    void mouse(CDrawContext* context, CPoint& where, std::int32_t buttons = -1) override;
    // Ends the edit: the field's text becomes the text, the field goes away.
    void looseFocus(CDrawContext* context) override;
    // Opens the field over the control.
    void takeFocus(CDrawContext* context) override;
    // Every key while the field is open; -1 otherwise.
    std::int32_t onKeyDown(VstKeyCode& keyCode) override;
    bool isTypeOf(const char* type) const override;

    // Null empties the text; longer texts are cut at 255 characters.
    virtual void setText(const char* newText);
    // buffer holds at least kTextEditBytes bytes.
    virtual void getText(char* buffer) const;
    virtual void setTextEditConvert(TextToDisplay convert) { textToDisplay = convert; }
    virtual void setTextEditConvert(TextToDisplayWithData convert, void* userData);

    // True when the last edit ended with the Return key.
    bool wasReturnPressed() const { return returnPressed; }
    bool isEditing() const { return editField != nullptr; }

private:
    void textFieldReturnPressed() override;
    void textFieldEscapePressed() override;
    void textFieldFocusLost() override;
    // The view rectangle in the coordinates of the frame's window.
    CRect fieldRect(CDrawContext* context) const;
    platform::TextFieldLook fieldLook() const;
    // Takes the field's text and removes the field; true when the text changed.
    bool closeField();
    void tellListener(CDrawContext* context);

    std::unique_ptr<platform::TextField> editField;
    bool returnPressed = false;
    // Set while looseFocus runs, which the frame's focus change re-enters.
    bool closing = false;
    // Set by Escape: the field goes without its text.
    bool discarding = false;
    char text[kTextEditBytes] = {};
    TextToDisplay textToDisplay = nullptr;
    TextToDisplayWithData textToDisplayWithData = nullptr;
};

} // namespace VSTGUI
