// Turns the events of the frame's window into frame operations: a paint redraws the update
// rectangle into the back buffer and copies just that part to the window; button presses and
// wheel turns reach the view tree with a temporary draw context; keys the window received go
// the way the host's forwarded keys go; the window's destruction leaves the frame closed.
#pragma once

#include "platform/FrameWindow.h"

namespace VSTGUI {

class CFrame;

class FrameWindowMessages final : public platform::FrameWindowEvents {
public:
    explicit FrameWindowMessages(CFrame& frame_) : frame(frame_) {}

    void windowNeedsPaint(void* systemContext, const CRect& updateRect) override;
    void mouseButtonPressed(const CPoint& where) override;
    void wheelTurned(const CPoint& where, CMouseWheelAxis axis, float distance) override;
    bool keyPressed(VstKeyCode& keyCode) override;
    bool keyReleased(VstKeyCode& keyCode) override;
    void windowDestroyed() override;
    void modalLoopIdle() override;

private:
    CFrame& frame;
};

} // namespace VSTGUI
