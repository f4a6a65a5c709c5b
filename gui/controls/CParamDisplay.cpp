// Index: [SECTION] Life cycle, Appearance, Drawing.
#include "CParamDisplay.h"

#include "../CBitmap.h"
#include "../CDrawContext.h"

#include <cstdio>
#include <cstring>

namespace VSTGUI {

// [SECTION] Life cycle

CParamDisplay::CParamDisplay(const CRect& size, CBitmap* background_, std::int32_t style_)
    : CControl(size, nullptr, 0, background_), style(style_), fontColor(kWhiteCColor), backColor(kBlackCColor),
      frameColor(kBlackCColor), shadowColor(kRedCColor)
{
    backOffset = CPoint(0, 0);
    if ((style & kStyleNoDraw) != 0)
        setDirty(false);
}

bool CParamDisplay::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CParamDisplay") == 0 || CControl::isTypeOf(type);
}

// [SECTION] Appearance

void CParamDisplay::setFont(CFont newFontId)
{
    if (newFontId != fontId)
        setDirty(true);
    fontId = newFontId;
}

void CParamDisplay::setTxtFace(CTxtFace face)
{
    if (face != txtFace)
        setDirty(true);
    txtFace = face;
}

void CParamDisplay::setHoriAlign(CHoriTxtAlign align)
{
    if (align != horiTxtAlign)
        setDirty(true);
    horiTxtAlign = align;
}

void CParamDisplay::changeColor(CColor& field, CColor color)
{
    if (field != color)
        setDirty(true);
    field = color;
}

void CParamDisplay::setFontColor(CColor color)
{
    changeColor(fontColor, color);
}

void CParamDisplay::setBackColor(CColor color)
{
    changeColor(backColor, color);
}

void CParamDisplay::setFrameColor(CColor color)
{
    changeColor(frameColor, color);
}

void CParamDisplay::setShadowColor(CColor color)
{
    changeColor(shadowColor, color);
}

void CParamDisplay::setStringConvert(ValueToTextWithData convert, void* data)
{
    stringConvert2 = convert;
    userData = data;
}

void CParamDisplay::setStyle(std::int32_t newStyle)
{
    if (newStyle == style)
        return;
    style = newStyle;
    setDirty(true);
}

// [SECTION] Drawing

void CParamDisplay::draw(CDrawContext* context)
{
    char text[kParamDisplayTextBytes] = {};
    if (stringConvert2 != nullptr)
        stringConvert2(value, text, userData);
    else if (stringConvert != nullptr)
        stringConvert(value, text);
    else
        std::snprintf(text, sizeof(text), "%2.2f", static_cast<double>(value));
    // A callback that forgot its terminator must not make the text run on.
    text[kParamDisplayTextBytes - 1] = '\0';
    drawText(context, text);
}

void CParamDisplay::drawText(CDrawContext* context, const char* text, CBitmap* newBackground)
{
    setDirty(false);
    if ((style & kStyleNoDraw) != 0)
        return;
    drawBackground(context, newBackground);
    if ((style & (kStyle3DIn | kStyle3DOut)) != 0)
        draw3DBorder(context);
    if ((style & kStyleNoText) != 0 || text == nullptr)
        return;
    drawClippedText(context, text);
}

void CParamDisplay::drawBackground(CDrawContext* context, CBitmap* newBackground)
{
    CBitmap* bitmap = newBackground != nullptr ? newBackground : background;
    if (bitmap != nullptr) {
        drawBackgroundBitmap(context, *bitmap, viewSize, backOffset);
        return;
    }
    if (transparencyEnabled)
        return;
    context->setFillColor(backColor);
    context->fillRect(viewSize);
    if ((style & (kStyle3DIn | kStyle3DOut | kStyleNoFrame)) == 0) {
        context->setFrameColor(frameColor);
        context->drawRect(viewSize, kDrawStyleStroked);
    }
}

// Sunken: left and top in the back colour, right and bottom in the frame colour; raised is
// the reverse. Sunken wins when both are asked for.
void CParamDisplay::draw3DBorder(CDrawContext* context)
{
    const bool sunken = (style & kStyle3DIn) != 0;
    const std::int32_t left = viewSize.left;
    const std::int32_t top = viewSize.top + 1;
    const std::int32_t right = viewSize.right - 1;
    const std::int32_t bottom = viewSize.bottom - 1;
    context->setLineWidth(1);
    context->setFrameColor(sunken ? backColor : frameColor);
    context->moveTo(CPoint(left, bottom));
    context->lineTo(CPoint(left, top));
    context->lineTo(CPoint(right, top));
    context->setFrameColor(sunken ? frameColor : backColor);
    context->moveTo(CPoint(right, top));
    context->lineTo(CPoint(right, bottom));
    context->lineTo(CPoint(left, bottom));
}

void CParamDisplay::drawClippedText(CDrawContext* context, const char* text)
{
    // The context keeps its clip in device coordinates; bounding happens in view coordinates.
    const CRect savedClip = context->clipInViewCoordinates();
    CRect clip = viewSize;
    clip.bound(savedClip);
    context->setClipRect(clip);
    context->setFont(fontId, 0, txtFace);
    const std::int16_t opaque = textTransparency ? 0 : 1;
    if ((style & kStyleShadowText) != 0) {
        CRect shadowRect = viewSize;
        shadowRect.offset(1, 1);
        context->setFontColor(shadowColor);
        context->drawString(text, shadowRect, opaque, horiTxtAlign);
    }
    context->setFontColor(fontColor);
    context->drawString(text, viewSize, opaque, horiTxtAlign);
    context->setClipRect(savedClip);
}

} // namespace VSTGUI
