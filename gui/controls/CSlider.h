// A linear fader: a handle bitmap moving along a straight track over a background bitmap,
// set by dragging (ten times finer while Shift is held), the wheel, the arrow keys or
// Control+click. It draws through its own offscreen to avoid flicker.
//
// Style bits: 1 horizontal (else vertical); the drawing maps the value directly with bit 8
// or 32 and mirrored otherwise; the mouse mirrors the position with bit 16 or 64.
#pragma once

#include "CControl.h"

#include <cstdint>

namespace VSTGUI {

class COffscreenContext;

class CSlider : public CControl {
public:
    // The handle travels range pixels less its own size, from offsetHandle.
    CSlider(const CRect& size, CControlListener* listener, std::int32_t tag, CPoint& offsetHandle,
            std::int32_t range, CBitmap* handle, CBitmap* background, CPoint& offset, std::int32_t style);
    // The handle's leading edge travels from firstPixel to lastPixel, in the parent's coordinates.
    CSlider(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t firstPixel,
            std::int32_t lastPixel, CBitmap* handle, CBitmap* background, CPoint& offset, std::int32_t style);
    ~CSlider() override;

    // [SECTION] Overrides
    void draw(CDrawContext* context) override;
    void mouse(CDrawContext* context, CPoint& where, std::int32_t buttons = -1) override;
    std::int32_t onKeyDown(VstKeyCode& keyCode) override;
    bool onWheel(CDrawContext* context, const CPoint& where, float distance) override;
    using CControl::onWheel;
    // The offscreen lives while the slider is attached.
    bool removed(CView* parent) override;
    bool attached(CView* parent) override;
    bool isTypeOf(const char* type) const override;

    // [SECTION] Handle and track
    virtual void setDrawTransparentHandle(bool state) { drawTransparentHandle = state; }
    // Set: a click anywhere grabs the handle; clear: only a click on the handle drags.
    virtual void setFreeClick(bool state) { freeClick = state; }
    virtual bool getFreeClick() const { return freeClick; }
    virtual void setOffsetHandle(CPoint& point);
    virtual void setHandle(CBitmap* bitmap);
    virtual CBitmap* getHandle() const { return pHandle; }
    // The drag with Shift is this many times slower.
    virtual void setZoomFactor(float factor) { zoomFactor = factor; }
    virtual float getZoomFactor() const { return zoomFactor; }

protected:
    CPoint offset;
    CPoint offsetHandle;
    CBitmap* pHandle = nullptr;
    COffscreenContext* pOScreen = nullptr;
    std::int32_t style;
    std::int32_t handleWidth = 1;
    std::int32_t handleHeight = 1;
    std::int32_t handleTravel = 0;
    // The handle rectangle stays within these pixels along the track, control-local.
    std::int32_t trackLow = 0;
    std::int32_t trackHigh = 0;
    std::int32_t trackStart = 0;
    std::int32_t controlWidth;
    std::int32_t controlHeight;
    float zoomFactor = 10.0f;
    bool drawTransparentHandle = true;
    bool freeClick = true;

private:
    void takeHandle(CBitmap* bitmap);
    bool horizontal() const;
    std::int32_t handleLength() const;
    // The handle's leading edge for the current value, control-local, before the track limits.
    std::int32_t handleStart() const;
    void releaseOffscreen();
    void trackMouse(CDrawContext* context, CPoint& where, std::int32_t button, std::int32_t delta);
};

} // namespace VSTGUI
