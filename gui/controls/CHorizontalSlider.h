// A slider whose handle moves left and right.
#pragma once

#include "CSlider.h"

namespace VSTGUI {

class CHorizontalSlider : public CSlider {
public:
    CHorizontalSlider(const CRect& size, CControlListener* listener, std::int32_t tag, CPoint& offsetHandle,
                      std::int32_t range, CBitmap* handle, CBitmap* background, CPoint& offset,
                      std::int32_t style = 8);
    CHorizontalSlider(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t firstPixel,
                      std::int32_t lastPixel, CBitmap* handle, CBitmap* background, CPoint& offset,
                      std::int32_t style = 8);
};

} // namespace VSTGUI
