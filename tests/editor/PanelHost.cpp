#include "PanelHost.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kHostX = 100;
constexpr int kHostY = 80;
constexpr DWORD kPumpSliceMs = 10;
constexpr int kIdleSpacingMs = 20;
constexpr int kBlockFrames = 256;
} // namespace

POINT PanelLayout::knobPointAt(int tag, double degrees, double radius)
{
    const double radians = degrees * 3.14159265358979 / 180.0;
    const POINT centre = knobCentre(tag);
    return {centre.x + static_cast<LONG>(std::lround(std::cos(radians) * radius)),
            centre.y - static_cast<LONG>(std::lround(std::sin(radians) * radius))};
}

PanelHost::PanelHost(SIZE editorSize) : hostWindow(editorSize.cx, editorSize.cy, nullptr, kHostX, kHostY)
{
    testHost.open();
}

PanelHost::~PanelHost()
{
    if (testHost.effect() != nullptr)
        testHost.close();
    pumpMessages();
}

bool PanelHost::openEditor()
{
    if (testHost.dispatch(effEditOpen, 0, 0, hostWindow.handle()) == 0)
        return false;
    UpdateWindow(hostWindow.handle());
    idle();
    settlePointer();
    return true;
}

bool PanelHost::cycleEditor(int cycles, const std::function<void()>& whileOpen)
{
    for (int cycle = 0; cycle < cycles; ++cycle) {
        if (testHost.dispatch(effEditOpen, 0, 0, hostWindow.handle()) == 0)
            return false;
        UpdateWindow(hostWindow.handle());
        if (whileOpen)
            whileOpen();
        testHost.dispatch(effEditIdle);
        testHost.dispatch(effEditClose);
        pumpMessages();
    }
    return true;
}

// The host window is active and has the pointer before a gesture starts.
void PanelHost::settlePointer()
{
    SetForegroundWindow(hostWindow.handle());
    moveCursorTo(toScreen({1, 1}));
    idle();
}

void PanelHost::closeEditor()
{
    testHost.dispatch(effEditClose);
    pumpMessages();
}

void PanelHost::idle(int passes)
{
    for (int pass = 0; pass < passes; ++pass) {
        pumpMessages();
        testHost.dispatch(effEditIdle);
        Sleep(kIdleSpacingMs);
    }
    pumpMessages();
}

POINT PanelHost::toScreen(POINT editorPoint) const
{
    ClientToScreen(hostWindow.handle(), &editorPoint);
    return editorPoint;
}

VSTGUI::CColor PanelHost::pixel(int x, int y) const
{
    return pixelOf(hostWindow.handle(), x, y);
}

std::vector<VSTGUI::CColor> PanelHost::pixels(int left, int top, int right, int bottom) const
{
    return pixelsOf(hostWindow.handle(), left, top, right, bottom);
}

void pumpUntilFinished(const InputThread& thread)
{
    const HANDLE handle = thread.handle();
    while (!thread.finished()) {
        MsgWaitForMultipleObjects(1, &handle, FALSE, kPumpSliceMs, QS_ALLINPUT);
        pumpMessages();
    }
    pumpMessages();
}

std::vector<HostRequest> PanelHost::takeRequests(const std::vector<int32>& opcodes)
{
    std::vector<HostRequest> taken;
    const auto& all = testHost.requests();
    for (; requestsSeen < all.size(); ++requestsSeen)
        if (std::find(opcodes.begin(), opcodes.end(), all[requestsSeen].opcode) != opcodes.end())
            taken.push_back(all[requestsSeen]);
    return taken;
}

std::vector<HostRequest> PanelHost::takeEditRequests()
{
    return takeRequests({audioMasterBeginEdit, audioMasterEndEdit, audioMasterAutomate});
}

HWND PanelHost::textField() const
{
    const HWND frame = frameWindow();
    return frame != nullptr ? FindWindowExA(frame, nullptr, "EDIT", nullptr) : nullptr;
}

void PanelHost::click(POINT editorPoint)
{
    const POINT screen = toScreen(editorPoint);
    perform([screen] { performClick(screen); });
    idle();
}

void PanelHost::drag(POINT editorPoint, int dx, int dy, WORD modifier)
{
    MouseDrag gesture;
    gesture.start = toScreen(editorPoint);
    gesture.dx = dx;
    gesture.dy = dy;
    gesture.modifierKey = modifier;
    perform([gesture] { performDrag(gesture); });
}

void PanelHost::playLevel(float level)
{
    std::vector<float> left(kBlockFrames, level);
    std::vector<float> right(kBlockFrames, -level);
    std::vector<float> outLeft(kBlockFrames);
    std::vector<float> outRight(kBlockFrames);
    float* inputs[] = {left.data(), right.data()};
    float* outputs[] = {outLeft.data(), outRight.data()};
    testHost.process(inputs, outputs, kBlockFrames);
}
