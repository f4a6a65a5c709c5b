// A passive control that shows its value as text over a bitmap or a filled, framed rectangle,
// with optional 3D border lines and a shadow under the text. The text comes from a callback
// or the format "%2.2f". Labels, text edits and option menus reuse its drawing step.
#pragma once

#include "../CColor.h"
#include "../CFont.h"
#include "../GuiEnums.h"
#include "CControl.h"

#include <cstddef>
#include <cstdint>

namespace VSTGUI {

enum : std::int32_t {
    kStyleShadowText = 0x4,
    kStyle3DIn = 0x80,
    kStyle3DOut = 0x100,
    kStyleNoText = 0x800,
    kStyleNoDraw = 0x1000,
    kStyleNoFrame = 0x4000
};

// Text callbacks write into a buffer of this many bytes, terminator included.
constexpr std::size_t kParamDisplayTextBytes = 256;

using ValueToText = void (*)(float value, char* text);
using ValueToTextWithData = void (*)(float value, char* text, void* userData);
using TextToValue = void (*)(char* text, float& value);

class CParamDisplay : public CControl {
public:
    CParamDisplay(const CRect& size, CBitmap* background = nullptr, std::int32_t style = 0);

    void draw(CDrawContext* context) override;
    bool isTypeOf(const char* type) const override;

    // [SECTION] Appearance; a changed value marks the display dirty
    virtual void setFont(CFont newFontId);
    virtual void setFontColor(CColor color);
    virtual void setBackColor(CColor color);
    virtual void setFrameColor(CColor color);
    virtual void setShadowColor(CColor color);
    virtual void setHoriAlign(CHoriTxtAlign align);

    // [SECTION] Text conversion; null removes a callback, nothing is redrawn
    virtual void setStringConvert(ValueToText convert) { stringConvert = convert; }
    virtual void setStringConvert(ValueToTextWithData convert, void* userData);
    // Stored for text edits; the display itself never reads text back.
    virtual void setString2FloatConvert(TextToValue convert) { string2FloatConvert = convert; }

    virtual void setStyle(std::int32_t newStyle);
    virtual void setTxtFace(CTxtFace face);
    // Transparent text is drawn without filling its cell; no redraw is requested.
    virtual void setTextTransparency(bool transparent) { textTransparency = transparent; }

protected:
    // The drawing sequence every display shares: background, borders, then the text clipped
    // to the view; it leaves the display clean first.
    void drawText(CDrawContext* context, const char* text, CBitmap* newBackground = nullptr);

    ValueToText stringConvert = nullptr;
    ValueToTextWithData stringConvert2 = nullptr;
    TextToValue string2FloatConvert = nullptr;
    void* userData = nullptr;
    CHoriTxtAlign horiTxtAlign = kAlignCenter;
    std::int32_t style;
    CFont fontId = kFontMedium;
    CTxtFace txtFace = kNormalFace;
    CColor fontColor;
    CColor backColor;
    CColor frameColor;
    CColor shadowColor;
    bool textTransparency = true;

private:
    void drawBackground(CDrawContext* context, CBitmap* newBackground);
    void draw3DBorder(CDrawContext* context);
    void drawClippedText(CDrawContext* context, const char* text);
    // Stores the colour; any change of a component marks the display dirty.
    void changeColor(CColor& field, CColor color);
};

} // namespace VSTGUI
