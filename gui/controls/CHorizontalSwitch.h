// A multi-position switch set by the pointer's distance from its left edge; the strip holds
// one frame per position, read downwards, frameStep pixels apart.
#pragma once

#include "CControl.h"

#include <cstdint>

namespace VSTGUI {

class CHorizontalSwitch : public CControl {
public:
    // The frame step is the view's width; one position per step of the bitmap's width.
    CHorizontalSwitch(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background,
                      CPoint& offset);
    CHorizontalSwitch(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t frameCount,
                      std::int32_t frameStep, std::int32_t positionCount, CBitmap* background, CPoint& offset);

    void draw(CDrawContext* context) override;
    // Needs a background bitmap: its width is the length the positions share.
    void mouse(CDrawContext* context, CPoint& where, std::int32_t buttons = -1) override;
    bool isTypeOf(const char* type) const override;

protected:
    // Kept for users of the class; drawing starts at the strip's top.
    CPoint offset;
    std::int32_t frameCount;
    std::int32_t positionCount;
    std::int32_t frameStep;
};

} // namespace VSTGUI
