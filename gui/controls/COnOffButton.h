// A latching two-state button; the background holds the off image above the on image.
#pragma once

#include "CControl.h"

#include <cstdint>

namespace VSTGUI {

class COnOffButton : public CControl {
public:
    // Style 1 tells the listener before the idle step of the click, 0 after it.
    COnOffButton(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background,
                 std::int32_t style = 0);

    void draw(CDrawContext* context) override;
    // Toggles on the click itself; there is no tracking.
    void mouse(CDrawContext* context, CPoint& where, std::int32_t buttons = -1) override;
    bool isTypeOf(const char* type) const override;

    virtual std::int32_t getStyle() const { return style; }
    virtual void setStyle(std::int32_t newStyle) { style = newStyle; }

protected:
    std::int32_t style;

private:
    void notifyAsGesture(CDrawContext* context);
};

} // namespace VSTGUI
