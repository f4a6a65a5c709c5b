#include "CSplashScreen.h"

#include "../CBitmap.h"
#include "../CDrawContext.h"
#include "../CFrame.h"
#include "CSplashScreenView.h"

#include <cstring>

namespace VSTGUI {

CSplashScreen::CSplashScreen(const CRect& size, CControlListener* listener_, std::int32_t tag_, CBitmap* background_,
                             CRect& toDisplay_, CPoint& offset_)
    : CControl(size, listener_, tag_, background_), toDisplay(toDisplay_), offset(offset_)
{
}

CSplashScreen::~CSplashScreen()
{
    closeOverlay();
}

bool CSplashScreen::removed(CView* parent)
{
    closeOverlay();
    return CControl::removed(parent);
}

void CSplashScreen::closeOverlay()
{
    if (overlay == nullptr)
        return;
    CSplashScreenView* view = overlay;
    overlay = nullptr;
    view->splashScreenGone();
    if (parentFrame != nullptr && parentFrame->getModalView() == view)
        parentFrame->setModalView(nullptr);
    view->forget();
}

void CSplashScreen::overlayClosed(const CSplashScreenView* view)
{
    if (overlay == view)
        overlay = nullptr;
}

bool CSplashScreen::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CSplashScreen") == 0 || CControl::isTypeOf(type);
}

void CSplashScreen::setBitmapTransparency(std::uint8_t alpha)
{
    bitmapTransparency = alpha;
    setTransparency(alpha != 255);
}

bool CSplashScreen::hitTest(const CPoint& where, std::int32_t buttons) const
{
    return where.x >= viewSize.left && where.x <= viewSize.right && where.y >= viewSize.top
        && where.y <= viewSize.bottom && (buttons & kMouseLeft) != 0;
}

void CSplashScreen::drawSplash(CDrawContext* context, CBitmap& bitmap, CRect& area, bool transparent) const
{
    if (!transparent)
        bitmap.draw(context, area, offset);
    else if (bitmapTransparency != 0)
        bitmap.drawAlphaBlend(context, area, offset, bitmapTransparency);
    else
        bitmap.drawTransparent(context, area, offset);
}

void CSplashScreen::draw(CDrawContext* context)
{
    if (value != 0.0f && background != nullptr)
        drawSplash(context, *background, toDisplay, transparencyEnabled);
    setDirty(false);
}

void CSplashScreen::mouse(CDrawContext* context, CPoint& /*where*/, std::int32_t buttons)
{
    if (!mouseEnabled)
        return;
    if (buttons == -1 && context != nullptr)
        buttons = context->getMouseButtons();
    if (listenerTookModifierClick(context, buttons) || (buttons & kMouseLeft) == 0)
        return;
    value = value == 0.0f ? 1.0f : 0.0f;
    if (value == 0.0f)
        return;
    if (parentFrame != nullptr) {
        closeOverlay();
        auto* shown = new CSplashScreenView(toDisplay, this);
        shown->setTransparency(transparencyEnabled);
        shown->setBackground(background);
        if (parentFrame->setModalView(shown)) {
            overlay = shown;
            if (listener != nullptr)
                listener->valueChanged(context, this);
        } else {
            shown->forget();
        }
    }
    setDirty(true);
}

void CSplashScreen::unSplash(CDrawContext* context)
{
    if (value == 0.0f)
        return;
    value = 0.0f;
    if (listener != nullptr)
        listener->valueChanged(context, this);
}

} // namespace VSTGUI
