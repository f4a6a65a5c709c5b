// Index: [SECTION] Life cycle, Text, Drawing, Editing.
#include "CTextEdit.h"

#include "../CDrawContext.h"
#include "../CFrame.h"
#include "../ViewLifetime.h"

#include <cstring>

namespace VSTGUI {

namespace {
constexpr char kLooseFocusMessage[] = "LooseFocus";

void copyText(char* destination, const char* source)
{
    const std::size_t length = strnlen(source, kTextEditBytes - 1);
    std::memmove(destination, source, length);
    destination[length] = '\0';
}
} // namespace

// [SECTION] Life cycle

CTextEdit::CTextEdit(const CRect& size, CControlListener* listener_, std::int32_t tag_, const char* text_,
                     CBitmap* background_, std::int32_t style_)
    : CParamDisplay(size, background_, style_)
{
    listener = listener_;
    tag = tag_;
    if (text_ != nullptr)
        copyText(text, text_);
    wantsFocusFlag = true;
}

// A field still open goes with the control; its text is not taken.
CTextEdit::~CTextEdit() = default;

bool CTextEdit::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CTextEdit") == 0 || CParamDisplay::isTypeOf(type);
}

// [SECTION] Text

void CTextEdit::setText(const char* newText)
{
    if (newText == nullptr) {
        if (text[0] != '\0') {
            text[0] = '\0';
            setDirty(true);
        }
        return;
    }
    if (std::strncmp(text, newText, kTextEditBytes - 1) == 0)
        return;
    copyText(text, newText);
    setDirty(true);
}

void CTextEdit::getText(char* buffer) const
{
    if (buffer != nullptr)
        std::memcpy(buffer, text, kTextEditBytes);
}

void CTextEdit::setTextEditConvert(TextToDisplayWithData convert, void* userData_)
{
    textToDisplayWithData = convert;
    userData = userData_;
}

// [SECTION] Drawing

void CTextEdit::draw(CDrawContext* context)
{
    if (editField == nullptr) {
        char display[kTextEditBytes] = {};
        if (textToDisplayWithData != nullptr) {
            textToDisplayWithData(text, display, userData);
        } else if (textToDisplay != nullptr) {
            textToDisplay(text, display);
        } else if (stringConvert2 != nullptr) {
            stringConvert2(value, display, userData);
            copyText(text, display);
        } else if (stringConvert != nullptr) {
            stringConvert(value, display);
            copyText(text, display);
        } else {
            copyText(display, text);
        }
        // A callback that fills the whole buffer still leaves a terminated string.
        display[kTextEditBytes - 1] = '\0';
        drawText(context, display, nullptr);
    }
    setDirty(false);
}

// [SECTION] Editing

void CTextEdit::mouse(CDrawContext* context, CPoint& /*where*/, std::int32_t buttons)
{
    if (!mouseEnabled)
        return;
    if (buttons == -1 && context != nullptr)
        buttons = context->getMouseButtons();
    if (listenerTookModifierClick(context, buttons) || (buttons & kMouseLeft) == 0)
        return;
    if (parentFrame == nullptr || parentFrame->getFocusView() == this)
        return;
    if ((style & kDoubleClickStyle) != 0 && !isDoubleClick())
        return;
    beginEdit();
    takeFocus(context);
}

CRect CTextEdit::fieldRect(CDrawContext* context) const
{
    CRect rect = viewSize;
    for (const CView* step = this; step->getParentView() != nullptr; step = step->getParentView()) {
        CView* parent = step->getParentView();
        if (parent->notify(const_cast<CView*>(step), kMsgCheckIfViewContainer) == 1) {
            CRect parentSize;
            parent->getViewSize(parentSize);
            rect.offset(parentSize.left, parentSize.top);
        }
    }
    if (context != nullptr)
        rect.offset(context->offset.x, context->offset.y);
    return rect;
}

platform::TextFieldLook CTextEdit::fieldLook() const
{
    platform::TextFieldLook look;
    look.align = horiTxtAlign;
    const CFont font = validFontId(fontId);
    look.fontName = gStandardFontName[font];
    const std::int32_t height = viewSize.bottom - viewSize.top;
    look.fontHeight = gStandardFontSize[font] < height - 1 ? gStandardFontSize[font] : height - 2;
    look.fontColor = fontColor;
    look.backColor = backColor;
    return look;
}

void CTextEdit::takeFocus(CDrawContext* context)
{
    returnPressed = false;
    if (editField != nullptr || parentFrame == nullptr)
        return;
    editField = platform::createTextField(parentFrame->getPlatformWindow(), fieldRect(context), text, fieldLook(), *this);
}

void CTextEdit::textFieldReturnPressed()
{
    returnPressed = true;
    looseFocus(nullptr);
}

void CTextEdit::textFieldEscapePressed()
{
    discarding = true;
    looseFocus(nullptr);
    discarding = false;
}

std::int32_t CTextEdit::onKeyDown(VstKeyCode& keyCode)
{
    using platform::TextFieldKey;
    if (editField == nullptr)
        return -1;
    switch (keyCode.virt) {
    case VKEY_RETURN:
    case VKEY_ENTER:
        textFieldReturnPressed();
        break;
    case VKEY_ESCAPE:
        textFieldEscapePressed();
        break;
    case VKEY_SPACE:
        editField->pressKey(TextFieldKey::character, ' ');
        break;
    case VKEY_BACK:
        editField->pressKey(TextFieldKey::backspace, 0);
        break;
    case VKEY_DELETE:
        editField->pressKey(TextFieldKey::deleteForward, 0);
        break;
    case VKEY_LEFT:
        editField->pressKey(TextFieldKey::left, 0);
        break;
    case VKEY_RIGHT:
        editField->pressKey(TextFieldKey::right, 0);
        break;
    case VKEY_HOME:
        editField->pressKey(TextFieldKey::home, 0);
        break;
    case VKEY_END:
        editField->pressKey(TextFieldKey::end, 0);
        break;
    default:
        // Printable characters only: a control character would be taken as an editing command.
        if (keyCode.virt == 0 && keyCode.character >= 0x20 && keyCode.character <= 0xFF && keyCode.character != 0x7F)
            editField->pressKey(TextFieldKey::character, static_cast<char>(keyCode.character));
        break;
    }
    return 1;
}

void CTextEdit::textFieldFocusLost()
{
    looseFocus(nullptr);
}

bool CTextEdit::closeField()
{
    char old[kTextEditBytes];
    std::memcpy(old, text, kTextEditBytes);
    if (!discarding)
        copyText(text, editField->getText().c_str());
    editField.reset();
    return std::strcmp(old, text) != 0;
}

void CTextEdit::tellListener(CDrawContext* context)
{
    if (listener == nullptr)
        return;
    if (context != nullptr) {
        listener->valueChanged(context, this);
        return;
    }
    if (parentFrame == nullptr) {
        listener->valueChanged(nullptr, this);
        return;
    }
    CDrawContext* frameContext = parentFrame->createDrawContext();
    if (frameContext != nullptr && parentView != nullptr && parentView != parentFrame) {
        CPoint origin(0, 0);
        parentView->localToFrame(origin);
        frameContext->offset = origin;
    }
    listener->valueChanged(frameContext, this);
    if (frameContext != nullptr)
        frameContext->forget();
}

void CTextEdit::looseFocus(CDrawContext* context)
{
    if (closing)
        return;
    closing = true;
    ViewHold hold(this);
    if (parentFrame != nullptr) {
        endEdit();
        if (parentFrame->getFocusView() == this)
            parentFrame->setFocusView(nullptr);
    }
    if (editField != nullptr) {
        if (closeField()) {
            tellListener(context);
            doIdleStuff();
        }
        CView* receiver = parentView != nullptr ? parentView : parentFrame;
        if (receiver != nullptr)
            receiver->notify(this, kLooseFocusMessage);
    }
    closing = false;
}

} // namespace VSTGUI
