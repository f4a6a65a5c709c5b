#include "FrameWindowMessages.h"

#include "platform/FrameWindow.h"

#include "CFrame.h"
#include "COffscreenContext.h"

namespace VSTGUI {

namespace {
constexpr std::int32_t kKeyHandled = 1;
}

void FrameWindowMessages::windowNeedsPaint(void* systemContext, const CRect& updateRect)
{
    void* window = frame.getPlatformWindow();
    COffscreenContext* backBuffer = frame.getBackBuffer();
    if (backBuffer == nullptr) {
        auto* context = new CDrawContext(&frame, systemContext, window);
        frame.drawRect(context, updateRect);
        context->forget();
        return;
    }
    backBuffer->remember();
    frame.drawRect(backBuffer, updateRect);
    CDrawContext paintContext(&frame, systemContext, window);
    backBuffer->copyFrom(&paintContext, updateRect, CPoint(updateRect.left, updateRect.top));
    backBuffer->forget();
}

// The button state is read from the context (-1), as the press may be of any button.
void FrameWindowMessages::mouseButtonPressed(const CPoint& where)
{
    auto* context = new CDrawContext(&frame, nullptr, frame.getPlatformWindow());
    CPoint point = where;
    frame.mouse(context, point, -1);
    context->forget();
}

void FrameWindowMessages::wheelTurned(const CPoint& where, CMouseWheelAxis axis, float distance)
{
    auto* context = new CDrawContext(&frame, nullptr, frame.getPlatformWindow());
    frame.onWheel(context, where, axis, distance);
    context->forget();
}

bool FrameWindowMessages::keyPressed(VstKeyCode& keyCode)
{
    return frame.onKeyDown(keyCode) == kKeyHandled;
}

bool FrameWindowMessages::keyReleased(VstKeyCode& keyCode)
{
    return frame.onKeyUp(keyCode) == kKeyHandled;
}

// The drop target goes while the window still exists: OLE revokes only a living window.
void FrameWindowMessages::windowDestroyed()
{
    frame.dropTarget.reset();
    frame.dropActive = false;
    frame.setOpenFlag(false);
    frame.systemWindow = nullptr;
}

void FrameWindowMessages::modalLoopIdle()
{
    frame.doIdleStuff();
}

} // namespace VSTGUI
