// A level shown as the split between an "on" and an "off" bitmap, in LED steps. It rises at
// once and falls by at most one decrease step per draw, so it keeps itself dirty while falling.
#pragma once

#include "CControl.h"

#include <cstdint>

namespace VSTGUI {

class COffscreenContext;

enum : std::int32_t { kVuMeterHorizontal = 1 };

class CVuMeter : public CControl {
public:
    CVuMeter(const CRect& size, CBitmap* onBitmap, CBitmap* offBitmap, std::int32_t ledCount,
             std::int32_t style = 0);
    ~CVuMeter() override;

    void draw(CDrawContext* context) override;
    // Only the view flag: the shown level in oldValue drives the decay.
    void setDirty(bool value = true) override;
    bool attached(CView* parent) override;
    bool removed(CView* parent) override;
    bool isTypeOf(const char* type) const override;

    virtual void setDecreaseStepValue(float step) { decreaseStep = step; }
    virtual void setUseOffscreen(bool use) { useOffscreen = use; }

private:
    void createOffscreen();
    void releaseOffscreen();
    void drawSplit(CDrawContext* target, float shown);

    CBitmap* onBitmap;
    CBitmap* offBitmap;
    COffscreenContext* offscreen = nullptr;
    std::int32_t ledCount;
    std::int32_t style;
    float decreaseStep = 0.1f;
    bool useOffscreen = false;
    CRect onRect;
    CRect offRect;
};

} // namespace VSTGUI
