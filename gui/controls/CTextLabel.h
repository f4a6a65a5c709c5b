// A display that shows a fixed text of its own instead of its value.
#pragma once

#include "CParamDisplay.h"

namespace VSTGUI {

class CTextLabel : public CParamDisplay {
public:
    CTextLabel(const CRect& size, const char* text = nullptr, CBitmap* background = nullptr, std::int32_t style = 0);
    ~CTextLabel() override;

    void draw(CDrawContext* context) override;
    bool isTypeOf(const char* type) const override;

    // Keeps a copy. A shown label is not redrawn by this alone: the caller marks it dirty.
    virtual void setText(const char* newText);
    // Null when the label has no text.
    virtual const char* getText() const { return text; }

    void freeText();

private:
    char* text = nullptr;
};

} // namespace VSTGUI
