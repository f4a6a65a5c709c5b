// A draw context whose surface is an image in memory: views draw into it and the result is
// copied to a window in one transfer. It can also draw straight into a bitmap, or start as a
// copy of one.
#pragma once

#include "CDrawContext.h"

#include <cstdint>

namespace VSTGUI {

class CBitmap;

class COffscreenContext : public CDrawContext {
public:
    // An image of the given size for the frame's window, filled with background.
    COffscreenContext(CFrame* frame, std::int32_t width, std::int32_t height, CColor background = kBlackCColor);
    // Compatible with context. drawInBitmap: drawing changes the bitmap itself; otherwise the
    // offscreen starts as a copy of the bitmap, or black without one.
    COffscreenContext(CDrawContext* context, CBitmap* bitmap, bool drawInBitmap = false);
    ~COffscreenContext() override;

    // From this offscreen at srcOffset to destRect on context (context's offset applied).
    void copyFrom(CDrawContext* context, CRect destRect, CPoint srcOffset = CPoint(0, 0));
    // From srcRect on context (context's offset applied) to destOffset in this offscreen.
    void copyTo(CDrawContext* context, CRect& srcRect, CPoint destOffset = CPoint(0, 0));

    std::int32_t getWidth() const { return width; }
    std::int32_t getHeight() const { return height; }
    CColor getBackgroundColor() const { return backgroundColor; }

private:
    CBitmap* bitmap = nullptr;
    std::int32_t height;
    std::int32_t width;
    bool ownsImage;
    CColor backgroundColor;
};

} // namespace VSTGUI
