// A control that, clicked, shows its bitmap over a display rectangle as the frame's modal view
// until that overlay is clicked. The splash holds the overlay's reference while it is shown: the
// frame lets go of its modal view without releasing it, so a splash removed or destroyed with
// its overlay up takes the overlay down and releases it.
#pragma once

#include "CControl.h"

#include <cstdint>

namespace VSTGUI {

class CSplashScreenView;

class CSplashScreen : public CControl {
public:
    CSplashScreen(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background,
                  CRect& toDisplay, CPoint& offset);
    ~CSplashScreen() override;

    void draw(CDrawContext* context) override;
    void mouse(CDrawContext* context, CPoint& where, std::int32_t buttons = -1) override;
    bool hitTest(const CPoint& where, std::int32_t buttons = -1) const override;
    bool isTypeOf(const char* type) const override;
    bool removed(CView* parent) override;

    // Hides the splash (value 0) and tells the listener; nothing when already hidden.
    virtual void unSplash(CDrawContext* context);
    // Alpha of the bitmap drawn with transparency; 255 draws it opaque.
    virtual void setBitmapTransparency(std::uint8_t alpha);

    // The splash bitmap into area, from the splash's offset, with its transparency and alpha.
    void drawSplash(CDrawContext* context, CBitmap& bitmap, CRect& area, bool transparent) const;
    // The overlay is leaving the frame and releases itself.
    void overlayClosed(const CSplashScreenView* view);

private:
    void closeOverlay();

    CSplashScreenView* overlay = nullptr;
    CRect toDisplay;
    CRect unusedRect;
    CPoint offset;
    std::uint8_t bitmapTransparency = 255;
};

} // namespace VSTGUI
