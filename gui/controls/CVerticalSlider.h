// A slider whose handle moves up and down.
#pragma once

#include "CSlider.h"

namespace VSTGUI {

class CVerticalSlider : public CSlider {
public:
    CVerticalSlider(const CRect& size, CControlListener* listener, std::int32_t tag, CPoint& offsetHandle,
                      std::int32_t range, CBitmap* handle, CBitmap* background, CPoint& offset,
                      std::int32_t style = 32);
    CVerticalSlider(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t firstPixel,
                      std::int32_t lastPixel, CBitmap* handle, CBitmap* background, CPoint& offset,
                      std::int32_t style = 32);
};

} // namespace VSTGUI
