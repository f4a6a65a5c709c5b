// The rotary control: a knob body bitmap with a handle on a circle inside it at the angle of
// the value, turned by a circular or linear mouse drag, the wheel or the arrow keys.
// Angles are in radians, counter-clockwise from 3 o'clock about the knob's centre; a negative
// range angle turns clockwise. By default the minimum lies at 225 degrees and the maximum at
// -45 degrees, 270 degrees clockwise from it, with the gap at the bottom.
#pragma once

#include "../CColor.h"
#include "CControl.h"

#include <cstdint>

namespace VSTGUI {

class CKnob : public CControl {
public:
    CKnob(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background, CBitmap* handle,
          const CPoint& offset = CPoint(0, 0));
    ~CKnob() override;

    // [SECTION] Overrides
    void draw(CDrawContext* context) override;
    void mouse(CDrawContext* context, CPoint& where, std::int32_t buttons = -1) override;
    std::int32_t onKeyDown(VstKeyCode& keyCode) override;
    bool onWheel(CDrawContext* context, const CPoint& where, float distance) override;
    using CControl::onWheel;
    bool isTypeOf(const char* type) const override;

    // [SECTION] Handle and angles
    virtual void drawHandle(CDrawContext* context);
    virtual void setStartAngle(float angle);
    virtual float getStartAngle() const { return startAngle; }
    virtual void setRangeAngle(float angle);
    virtual float getRangeAngle() const { return rangeAngle; }
    // The handle point for the current value, relative to the knob's top-left corner.
    virtual void valueToPoint(CPoint& point) const;
    // The value at a knob-local point; points in the gap snap to the nearer end.
    virtual float valueFromPoint(CPoint& point) const;
    // Distance between the knob's circle and the handle's circle, in pixels.
    virtual void setInsetValue(std::int32_t newInset) { inset = newInset; }
    virtual void setColorShadowHandle(CColor color);
    virtual void setColorHandle(CColor color);
    virtual void setHandleBitmap(CBitmap* bitmap);
    // The linear drag with Shift is this many times slower.
    virtual void setZoomFactor(float factor) { zoomFactor = factor; }
    virtual float getZoomFactor() const { return zoomFactor; }

    std::int32_t getInsetValue() const { return inset; }

protected:
    // Recomputes the mapping between angles and values; the range setters do not call it.
    void compute();

    CPoint offset;
    CColor colorHandle;
    CColor colorShadowHandle;
    CBitmap* pHandle = nullptr;
    std::int32_t inset = 3;
    float startAngle = 0.0f;
    float rangeAngle = 1.0f;
    float halfAngle = 0.0f;
    // value per radian, and the value at angle 0
    float aCoef = 0.0f;
    float bCoef = 0.0f;
    float radius;
    float zoomFactor = 1.5f;

private:
    void takeHandle(CBitmap* bitmap);
    bool linearDrag(std::int32_t buttons) const;
    void trackMouse(CDrawContext* context, CPoint& where, std::int32_t button);
};

} // namespace VSTGUI
