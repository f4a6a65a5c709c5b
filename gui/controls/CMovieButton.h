// A two-frame toggle button drawn from a vertical strip (off above on): a press toggles it,
// and releasing outside the button restores the value it had.
#pragma once

#include "CControl.h"

#include <cstdint>

namespace VSTGUI {

class CMovieButton : public CControl {
public:
    // The frames are as tall as the view.
    CMovieButton(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background,
                 CPoint& offset);
    CMovieButton(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t frameHeight,
                 CBitmap* background, CPoint& offset);

    void draw(CDrawContext* context) override;
    void mouse(CDrawContext* context, CPoint& where, std::int32_t buttons = -1) override;
    bool isTypeOf(const char* type) const override;

protected:
    // Kept for users of the class; drawing starts at the strip's top.
    CPoint offset;
    std::int32_t frameHeight;
    // The value at the end of the last gesture or draw.
    float buttonState;
};

} // namespace VSTGUI
