// A control that, clicked, shows its bitmap over a display rectangle as the frame's modal view
// until that overlay is clicked.
#pragma once

#include "CControl.h"

#include <cstdint>

namespace VSTGUI {

class CSplashScreen : public CControl {
public:
    CSplashScreen(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background,
                  CRect& toDisplay, CPoint& offset);

    void draw(CDrawContext* context) override;
    void mouse(CDrawContext* context, CPoint& where, std::int32_t buttons = -1) override;
    bool hitTest(const CPoint& where, std::int32_t buttons = -1) const override;
    bool isTypeOf(const char* type) const override;

    // Hides the splash (value 0) and tells the listener; nothing when already hidden.
    virtual void unSplash(CDrawContext* context);
    // Alpha of the bitmap drawn with transparency; 255 draws it opaque.
    virtual void setBitmapTransparency(std::uint8_t alpha);

    // The splash bitmap into area, from the splash's offset, with its transparency and alpha.
    void drawSplash(CDrawContext* context, CBitmap& bitmap, CRect& area, bool transparent) const;

private:
    CRect toDisplay;
    CRect unusedRect;
    CPoint offset;
    std::uint8_t bitmapTransparency = 255;
};

} // namespace VSTGUI
