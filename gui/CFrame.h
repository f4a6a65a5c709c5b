// A stand-in for the frame until the view tree exists: draw contexts need the frame's
// rectangle, its window and its idle hook, and bitmaps need the image library the frame
// loads. FIXME: the frame window of the view tree replaces this class and keeps this interface.
#pragma once

#include "CRect.h"

namespace VSTGUI {

class CFrame {
public:
    // window is the frame's own, already created, platform window (may be null).
    CFrame(const CRect& size, void* window);
    virtual ~CFrame();

    CFrame(const CFrame&) = delete;
    CFrame& operator=(const CFrame&) = delete;

    CRect& getViewSize(CRect& rect) const
    {
        rect = viewSize;
        return rect;
    }
    void* getPlatformWindow() const { return window; }
    virtual void doIdleStuff() {}

private:
    CRect viewSize;
    void* window;
    void* imageLibrary;
};

} // namespace VSTGUI
