// A passive display of one frame of a vertical image strip, the nearest to the value.
#pragma once

#include "CControl.h"

#include <cstdint>

namespace VSTGUI {

class CMovieBitmap : public CControl {
public:
    // The frames are as tall as the view; their count follows from the bitmap's height.
    CMovieBitmap(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background,
                 CPoint& offset);
    CMovieBitmap(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t frameCount,
                 std::int32_t frameHeight, CBitmap* background, CPoint& offset);

    // A value above 1 is brought back to 1 here.
    void draw(CDrawContext* context) override;
    bool isTypeOf(const char* type) const override;

protected:
    // Source offset of frame 0.
    CPoint offset;
    std::int32_t frameCount;
    std::int32_t frameHeight;
};

} // namespace VSTGUI
