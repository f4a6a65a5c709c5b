#include "RealInput.h"

namespace {
constexpr int kAbsoluteRange = 65535;
// Wine answers GetAsyncKeyState from a per-thread cache for up to 50 ms; a press that follows
// a reading sooner would go unseen by a tracking loop.
constexpr DWORD kSettleMs = 120;

INPUT mouseInput(DWORD flags, POINT screenPoint, DWORD data = 0)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = MulDiv(screenPoint.x, kAbsoluteRange, width - 1);
    input.mi.dy = MulDiv(screenPoint.y, kAbsoluteRange, height - 1);
    input.mi.mouseData = data;
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    return input;
}

void send(INPUT input)
{
    SendInput(1, &input, sizeof(INPUT));
}

void sendKey(WORD key, bool down)
{
    if (key == 0)
        return;
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    send(input);
}

void turnWheel(DWORD wheel, POINT screenPoint, int notches, WORD modifierKey)
{
    moveCursorTo(screenPoint);
    sendKey(modifierKey, true);
    Sleep(kSettleMs);
    send(mouseInput(wheel, screenPoint, static_cast<DWORD>(notches * WHEEL_DELTA)));
    Sleep(kSettleMs);
    sendKey(modifierKey, false);
    Sleep(kSettleMs);
}
} // namespace

void moveCursorTo(POINT screenPoint)
{
    send(mouseInput(0, screenPoint));
    Sleep(kSettleMs);
}

void pressLeftButton(bool down)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    send(input);
    Sleep(kSettleMs);
}

void performDrag(const MouseDrag& drag)
{
    moveCursorTo(drag.start);
    sendKey(drag.modifierKey, true);
    pressLeftButton(true);
    POINT point = drag.start;
    for (int step = 1; step <= drag.steps; ++step) {
        point.x = drag.start.x + MulDiv(drag.dx, step, drag.steps);
        point.y = drag.start.y + MulDiv(drag.dy, step, drag.steps);
        send(mouseInput(0, point));
        Sleep(drag.stepDelayMs);
    }
    pressLeftButton(false);
    sendKey(drag.modifierKey, false);
    Sleep(kSettleMs);
}

void performClick(POINT screenPoint, WORD modifierKey)
{
    MouseDrag click;
    click.start = screenPoint;
    click.steps = 1;
    click.modifierKey = modifierKey;
    performDrag(click);
}

void performWheel(POINT screenPoint, int notches, WORD modifierKey)
{
    turnWheel(MOUSEEVENTF_WHEEL, screenPoint, notches, modifierKey);
}

void performHorizontalWheel(POINT screenPoint, int notches)
{
    turnWheel(MOUSEEVENTF_HWHEEL, screenPoint, notches, 0);
}

InputThread::InputThread(void* gesture, Runner runner)
    : thread(CreateThread(nullptr, 0, runner, gesture, 0, nullptr))
{
}

InputThread::~InputThread()
{
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
}

bool InputThread::finished() const
{
    return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0;
}
