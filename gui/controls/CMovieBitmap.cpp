#include "CMovieBitmap.h"

#include "StripGeometry.h"

#include <cstring>

namespace VSTGUI {

CMovieBitmap::CMovieBitmap(const CRect& size, CControlListener* listener_, std::int32_t tag_,
                           CBitmap* background_, CPoint& offset_)
    : CMovieBitmap(size, listener_, tag_, stripFrameCount(background_, size.bottom - size.top),
                   size.bottom - size.top, background_, offset_)
{
}

CMovieBitmap::CMovieBitmap(const CRect& size, CControlListener* listener_, std::int32_t tag_,
                           std::int32_t frameCount_, std::int32_t frameHeight_, CBitmap* background_,
                           CPoint& offset_)
    : CControl(size, listener_, tag_, background_), offset(offset_), frameCount(frameCount_),
      frameHeight(frameHeight_)
{
}

bool CMovieBitmap::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CMovieBitmap") == 0 || CControl::isTypeOf(type);
}

void CMovieBitmap::draw(CDrawContext* context)
{
    CPoint source = offset;
    if (value > 1.0f)
        value = 1.0f;
    if (value > 0.0f)
        source.y += nearestFrame(value, frameCount, frameCount) * frameHeight;
    drawBackgroundFrame(context, source);
    setDirty(false);
}

} // namespace VSTGUI
