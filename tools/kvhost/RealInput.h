// Mouse gestures made of real input events (SendInput), as a person's hand makes them: they
// pass through the system's input queue, change the cursor and the asynchronous button state,
// and reach whichever window is under the pointer. Windows only.
#pragma once

#include <windows.h>

#include <utility>

struct MouseDrag {
    POINT start;  // screen coordinates
    int dx = 0;
    int dy = 0;
    int steps = 20;
    DWORD stepDelayMs = 15;
    // Held for the whole gesture (VK_SHIFT, VK_CONTROL, VK_MENU), 0 for none.
    WORD modifierKey = 0;
};

void moveCursorTo(POINT screenPoint);
// The left button alone, where the cursor is.
void pressLeftButton(bool down);
// Press, move in steps, release; blocks the calling thread for the gesture's duration.
void performDrag(const MouseDrag& drag);
// A click at a point, with an optional modifier key held.
void performClick(POINT screenPoint, WORD modifierKey = 0);
// Wheel notches at a point (positive turns away from the user).
void performWheel(POINT screenPoint, int notches, WORD modifierKey = 0);
// Horizontal wheel notches at a point (positive turns right).
void performHorizontalWheel(POINT screenPoint, int notches);

// Runs a gesture on a thread of its own, so the thread that owns the window can be inside
// its mouse-tracking loop while the events arrive.
class InputThread {
public:
    template <typename Gesture>
    explicit InputThread(Gesture gesture) : InputThread(new Gesture(std::move(gesture)), &runGesture<Gesture>)
    {
    }
    ~InputThread();

    InputThread(const InputThread&) = delete;
    InputThread& operator=(const InputThread&) = delete;

    HANDLE handle() const { return thread; }
    bool finished() const;

private:
    using Runner = DWORD(WINAPI*)(void*);
    InputThread(void* gesture, Runner runner);

    template <typename Gesture>
    static DWORD WINAPI runGesture(void* gesture)
    {
        Gesture* owned = static_cast<Gesture*>(gesture);
        (*owned)();
        delete owned;
        return 0;
    }

    HANDLE thread;
};
