// The overlay a splash screen installs as the frame's modal view; a left click on it hides the
// splash and removes the overlay.
#pragma once

#include "../CView.h"

namespace VSTGUI {

class CSplashScreen;

class CSplashScreenView : public CView {
public:
    CSplashScreenView(const CRect& size, CSplashScreen* splashScreen);

    void draw(CDrawContext* context) override;
    void mouse(CDrawContext* context, CPoint& where, std::int32_t buttons = -1) override;
    // The splash screen is going away before this overlay.
    void splashScreenGone() { splashScreen = nullptr; }

private:
    CSplashScreen* splashScreen;
};

} // namespace VSTGUI
