// A momentary button: pressed it reports 1 (or 0 when its value was not 0), released it
// reports 0. The strip holds the released frame above the pressed one.
#pragma once

#include "CControl.h"

#include <cstdint>

namespace VSTGUI {

class CKickButton : public CControl {
public:
    // The frames are as tall as the view.
    CKickButton(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background,
                CPoint& offset);
    CKickButton(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t frameHeight,
                CBitmap* background, CPoint& offset);

    void draw(CDrawContext* context) override;
    void mouse(CDrawContext* context, CPoint& where, std::int32_t buttons = -1) override;
    bool isTypeOf(const char* type) const override;

protected:
    CPoint offset;
    std::int32_t frameHeight;
};

} // namespace VSTGUI
