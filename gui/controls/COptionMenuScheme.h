// Draws the items of option menus itself instead of the platform: a plain look in the system's
// menu colours, a dot for a check mark, a tab splitting an item into a left and a right part.
// Set on one menu or, through gOptionMenuScheme, for every menu.
#pragma once

#include "../CColor.h"
#include "../CFont.h"
#include "../CPoint.h"
#include "../CRect.h"
#include "../CReferenceCounter.h"

#include <cstdint>

namespace VSTGUI {

class CDrawContext;

// The bits of an item's state in drawItem.
enum : std::int32_t { kMenuItemChecked = 1, kMenuItemDisabled = 2, kMenuItemHighlighted = 4 };

class COptionMenuScheme : public CReferenceCounter {
public:
    COptionMenuScheme();

    // A separator ("-") is 6 by 18; any other item its text's width plus 18, and 18 high.
    virtual void getItemSize(const char* text, CDrawContext* context, CPoint& size);
    // itemId is the item's command number; state holds the kMenuItem bits.
    virtual void drawItem(const char* text, std::int32_t itemId, std::int32_t state, CDrawContext* context,
                          const CRect& rect);
    virtual void drawItemBack(CDrawContext* context, const CRect& rect, bool highlighted);

protected:
    CColor backgroundColor;
    CColor selectionColor;
    CColor textColor;
    CColor hiliteTextColor;
    CColor disableTextColor;
    CFont font = kFontSmall;

private:
    void drawSeparator(CDrawContext* context, const CRect& rect);
    void drawLabel(const char* text, std::int32_t state, CDrawContext* context, const CRect& rect);
};

// The scheme of every menu that has none of its own; null for the platform's drawing.
extern COptionMenuScheme* gOptionMenuScheme;

} // namespace VSTGUI
