// A knob whose whole face is one frame of a vertical filmstrip in the background bitmap,
// chosen from the value; it turns like CKnob (drag, wheel, arrow keys, Control+click).
#pragma once

#include "CKnob.h"

#include <cstdint>

namespace VSTGUI {

class CAnimKnob : public CKnob {
public:
    // The frames are as tall as the view; their count follows from the bitmap's height.
    CAnimKnob(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background,
              CPoint& offset);
    CAnimKnob(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t frameCount,
              std::int32_t frameHeight, CBitmap* background, CPoint& offset);

    void draw(CDrawContext* context) override;
    // Clean while the handle point has not moved by a pixel, whatever the value.
    bool isDirty() const override;
    bool isTypeOf(const char* type) const override;

    // Reads the strip from its last frame to its first.
    void setInverseBitmap(bool inverse) { inverseBitmap = inverse; }
    bool getInverseBitmap() const { return inverseBitmap; }

protected:
    std::int32_t frameCount;
    std::int32_t frameHeight;
    bool inverseBitmap = false;
    CPoint lastDrawnPoint;

private:
    std::int32_t frameTopForValue() const;
};

} // namespace VSTGUI
