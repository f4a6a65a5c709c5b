// A multi-position switch set by the pointer's height inside it; the strip holds one frame
// per position, top to bottom.
#pragma once

#include "CControl.h"

#include <cstdint>

namespace VSTGUI {

class CVerticalSwitch : public CControl {
public:
    // The frames are as tall as the view; one position per frame of the bitmap.
    CVerticalSwitch(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background,
                    CPoint& offset);
    CVerticalSwitch(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t frameCount,
                    std::int32_t frameHeight, std::int32_t positionCount, CBitmap* background, CPoint& offset);

    void draw(CDrawContext* context) override;
    void mouse(CDrawContext* context, CPoint& where, std::int32_t buttons = -1) override;
    bool isTypeOf(const char* type) const override;

protected:
    // Kept for users of the class; drawing starts at the strip's top.
    CPoint offset;
    std::int32_t frameCount;
    std::int32_t frameHeight;
    std::int32_t positionCount;
};

} // namespace VSTGUI
