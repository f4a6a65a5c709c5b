#include "CTextLabel.h"

#include <cstring>
#include <new>

namespace VSTGUI {

CTextLabel::CTextLabel(const CRect& size, const char* text_, CBitmap* background_, std::int32_t style_)
    : CParamDisplay(size, background_, style_)
{
    setText(text_);
}

CTextLabel::~CTextLabel()
{
    freeText();
}

bool CTextLabel::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CTextLabel") == 0 || CParamDisplay::isTypeOf(type);
}

void CTextLabel::draw(CDrawContext* context)
{
    drawText(context, text);
    setDirty(false);
}

// The copy is made before the old text goes: newText may be that text. Without memory for
// the copy the label is left without text rather than failing.
void CTextLabel::setText(const char* newText)
{
    char* copy = nullptr;
    if (newText != nullptr) {
        const std::size_t bytes = std::strlen(newText) + 1;
        copy = new (std::nothrow) char[bytes];
        if (copy != nullptr)
            std::memcpy(copy, newText, bytes);
    }
    freeText();
    text = copy;
}

void CTextLabel::freeText()
{
    delete[] text;
    text = nullptr;
}

} // namespace VSTGUI
