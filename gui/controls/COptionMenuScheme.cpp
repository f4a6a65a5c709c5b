#include "COptionMenuScheme.h"

#include "../CDrawContext.h"
#include "../platform/PopupMenu.h"

#include <cstring>

namespace VSTGUI {

COptionMenuScheme* gOptionMenuScheme = nullptr;

namespace {
constexpr std::int32_t kItemHeight = 18;
constexpr std::int32_t kSeparatorWidth = 6;
// Room left of the text for the check mark.
constexpr std::int32_t kTextIndent = 18;
// The part of an item after its tab starts this far before the right edge.
constexpr std::int32_t kRightPartWidth = 50;
constexpr std::int32_t kLineInset = 2;
constexpr std::uint8_t kSeparatorAlpha = 0x96;
const CRect kCheckMarkBox(6, 4, 14, 12);
// Longer item texts are cut; menu entries never hold more.
constexpr std::size_t kItemTextBytes = 256;

bool isSeparator(const char* text)
{
    return std::strcmp(text, "-") == 0;
}

CColor withoutAlpha(CColor color)
{
    color.alpha = 0;
    return color;
}
} // namespace

COptionMenuScheme::COptionMenuScheme()
{
    const platform::MenuColors colors = platform::getMenuColors();
    backgroundColor = withoutAlpha(colors.background);
    selectionColor = withoutAlpha(colors.selection);
    textColor = withoutAlpha(colors.text);
    hiliteTextColor = withoutAlpha(colors.highlightedText);
    disableTextColor = withoutAlpha(colors.disabledText);
}

void COptionMenuScheme::getItemSize(const char* text, CDrawContext* context, CPoint& size)
{
    if (text == nullptr || isSeparator(text)) {
        size = CPoint(kSeparatorWidth, kItemHeight);
        return;
    }
    std::int32_t width = 0;
    if (context != nullptr) {
        context->setFont(font);
        width = context->getStringWidth(text);
    }
    size = CPoint(width + kTextIndent, kItemHeight);
}

void COptionMenuScheme::drawItemBack(CDrawContext* context, const CRect& rect, bool highlighted)
{
    if (context == nullptr)
        return;
    context->setFillColor(highlighted ? selectionColor : backgroundColor);
    context->fillRect(rect);
}

void COptionMenuScheme::drawItem(const char* text, std::int32_t /*itemId*/, std::int32_t state,
                                 CDrawContext* context, const CRect& rect)
{
    if (context == nullptr)
        return;
    drawItemBack(context, rect, (state & kMenuItemHighlighted) != 0);
    if (text == nullptr)
        return;
    if (isSeparator(text))
        drawSeparator(context, rect);
    else
        drawLabel(text, state, context, rect);
}

void COptionMenuScheme::drawSeparator(CDrawContext* context, const CRect& rect)
{
    const std::int32_t y = rect.top + (rect.bottom - rect.top) / 2 - 1;
    context->setFrameColor(CColor{0, 0, 0, kSeparatorAlpha});
    context->moveTo(CPoint(rect.left + kLineInset, y));
    context->lineTo(CPoint(rect.right - kLineInset, y));
    context->setFrameColor(CColor{255, 255, 255, kSeparatorAlpha});
    context->moveTo(CPoint(rect.left + kLineInset, y + 1));
    context->lineTo(CPoint(rect.right - kLineInset, y + 1));
}

void COptionMenuScheme::drawLabel(const char* text, std::int32_t state, CDrawContext* context, const CRect& rect)
{
    const bool highlighted = (state & kMenuItemHighlighted) != 0;
    if ((state & kMenuItemChecked) != 0) {
        context->setFillColor(highlighted ? hiliteTextColor : textColor);
        CRect mark = kCheckMarkBox;
        mark.offset(rect.left, rect.top);
        context->fillEllipse(mark);
    }
    if ((state & kMenuItemDisabled) != 0)
        context->setFontColor(disableTextColor);
    else
        context->setFontColor(highlighted ? hiliteTextColor : textColor);
    context->setFont(font);

    char left[kItemTextBytes];
    const std::size_t length = strnlen(text, kItemTextBytes - 1);
    std::memcpy(left, text, length);
    left[length] = '\0';
    char* tab = std::strchr(left, '\t');
    if (tab != nullptr)
        *tab = '\0';
    CRect textRect = rect;
    textRect.left += kTextIndent;
    context->drawString(left, textRect, 0, kAlignLeft);
    if (tab != nullptr) {
        CRect rightPart = rect;
        rightPart.left = rect.right - kRightPartWidth;
        context->drawString(tab + 1, rightPart, 0, kAlignLeft);
    }
}

} // namespace VSTGUI
