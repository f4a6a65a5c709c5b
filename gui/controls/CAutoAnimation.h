// A strip that its owner steps frame by frame (nextPixmap, previousPixmap); a click opens it
// (it draws) or closes it (it draws nothing). The value is the pixel offset of the frame shown.
#pragma once

#include "CControl.h"

#include <cstdint>

namespace VSTGUI {

class CAutoAnimation : public CControl {
public:
    // The frames are as tall as the view; their count follows from the bitmap's height.
    CAutoAnimation(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background,
                   CPoint& offset);
    CAutoAnimation(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t frameCount,
                   std::int32_t frameHeight, CBitmap* background, CPoint& offset);

    void draw(CDrawContext* context) override;
    // Opens and notifies, or closes silently; either way the strip restarts at frame 0.
    void mouse(CDrawContext* context, CPoint& where, std::int32_t buttons = -1) override;
    bool isTypeOf(const char* type) const override;

    // Neither of these redraws; the owner marks the control dirty.
    virtual void openWindow() { windowOpened = true; }
    virtual void closeWindow() { windowOpened = false; }
    // Steps to the next frame, back to the first after the last.
    virtual void nextPixmap();
    // Steps to the previous frame, round to the last from the first.
    virtual void previousPixmap();

    bool isWindowOpened() const { return windowOpened; }

protected:
    CPoint offset;
    std::int32_t frameCount;
    std::int32_t frameHeight;
    std::int32_t stripHeight;
    bool windowOpened = false;

private:
    std::int32_t lastFrameTop() const;
};

} // namespace VSTGUI
