#include "CSplashScreenView.h"

#include "../CFrame.h"
#include "CSplashScreen.h"

namespace VSTGUI {

CSplashScreenView::CSplashScreenView(const CRect& size, CSplashScreen* splashScreen_)
    : CView(size), splashScreen(splashScreen_)
{
}

void CSplashScreenView::draw(CDrawContext* context)
{
    if (background != nullptr && splashScreen != nullptr)
        splashScreen->drawSplash(context, *background, viewSize, transparencyEnabled);
    setDirty(false);
}

void CSplashScreenView::mouse(CDrawContext* context, CPoint& /*where*/, std::int32_t buttons)
{
    if ((buttons & kMouseLeft) == 0)
        return;
    if (splashScreen != nullptr)
        splashScreen->unSplash(context);
    CFrame* frame = parentFrame;
    if (frame == nullptr || frame->getModalView() != this)
        return;
    frame->setDirty(true);
    frame->setModalView(nullptr);
    if (splashScreen != nullptr)
        splashScreen->overlayClosed(this);
    forget();
}

} // namespace VSTGUI
