#include "CVerticalSlider.h"

namespace VSTGUI {

namespace {
constexpr std::int32_t kVerticalBit = 2;
} // namespace

CVerticalSlider::CVerticalSlider(const CRect& size, CControlListener* listener_, std::int32_t tag_,
                                 CPoint& offsetHandle_, std::int32_t range, CBitmap* handle,
                                 CBitmap* background_, CPoint& offset_, std::int32_t style_)
    : CSlider(size, listener_, tag_, offsetHandle_, range, handle, background_, offset_, style_ | kVerticalBit)
{
}

CVerticalSlider::CVerticalSlider(const CRect& size, CControlListener* listener_, std::int32_t tag_,
                                 std::int32_t firstPixel, std::int32_t lastPixel, CBitmap* handle,
                                 CBitmap* background_, CPoint& offset_, std::int32_t style_)
    : CSlider(size, listener_, tag_, firstPixel, lastPixel, handle, background_, offset_, style_ | kVerticalBit)
{
}

} // namespace VSTGUI
