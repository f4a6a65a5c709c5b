// A spring-loaded three-position rocker: pressing one half gives -1 or +1, releasing returns
// to 0. The strip holds the -1, 0 and +1 frames top to bottom.
#pragma once

#include "CControl.h"

#include <cstdint>

namespace VSTGUI {

class CRockerSwitch : public CControl {
public:
    // Style bit 1: left and right halves; otherwise top and bottom halves. The frame height of
    // this form is the view's width.
    CRockerSwitch(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background,
                  CPoint& offset, std::int32_t style = 0);
    CRockerSwitch(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t frameHeight,
                  CBitmap* background, CPoint& offset, std::int32_t style = 0);

    void draw(CDrawContext* context) override;
    void mouse(CDrawContext* context, CPoint& where, std::int32_t buttons = -1) override;
    // One step towards -1 (positive distance) or +1 and back to 0.
    bool onWheel(CDrawContext* context, const CPoint& where, float distance) override;
    using CControl::onWheel;
    bool isTypeOf(const char* type) const override;

protected:
    CPoint offset;
    std::int32_t frameHeight;
    std::int32_t style;

private:
    float valueAt(const CPoint& where, float entry) const;
};

} // namespace VSTGUI
