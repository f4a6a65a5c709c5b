#include "RealDrag.h"

#include "HostWindow.h"

#include <atomic>

namespace {
// Only a guard against a drag loop that never starts; no result depends on it.
constexpr DWORD kStepGuardMs = 20000;
// The drag loop has finished its work at a point once it asks again there.
constexpr int kSightingsPerStep = 2;

void sendMouse(DWORD flags, POINT point = {0, 0})
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if ((flags & MOUSEEVENTF_MOVE) != 0) {
        const int width = GetSystemMetrics(SM_CXSCREEN);
        const int height = GetSystemMetrics(SM_CYSCREEN);
        input.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
        input.mi.dx = static_cast<LONG>((point.x * 65536 + width - 1) / width);
        input.mi.dy = static_cast<LONG>((point.y * 65536 + height - 1) / height);
    }
    SendInput(1, &input, sizeof(input));
}

// The drag source: it drops when the button is released and tells the input thread when the
// drag loop has seen the pointer at the point it waits for.
class PointerWatchingSource : public IDropSource {
public:
    PointerWatchingSource() : reached(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {}
    virtual ~PointerWatchingSource() { CloseHandle(reached); }

    void awaitPoint(POINT point)
    {
        sightings = 0;
        awaitedX = point.x;
        awaitedY = point.y;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override
    {
        if (IsEqualIID(riid, IID_IDropSource) || IsEqualIID(riid, IID_IUnknown)) {
            *object = static_cast<IDropSource*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override
    {
        POINT cursor = {};
        GetCursorPos(&cursor);
        if (cursor.x == awaitedX && cursor.y == awaitedY && ++sightings == kSightingsPerStep)
            SetEvent(reached);
        if (escapePressed)
            return DRAGDROP_S_CANCEL;
        return (keyState & MK_LBUTTON) != 0 ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

    HANDLE reached;

private:
    std::atomic<int> sightings{0};
    std::atomic<LONG> awaitedX{-1};
    std::atomic<LONG> awaitedY{-1};
};

struct DragRun {
    PointerWatchingSource source;
    POINT start = {};
    std::vector<POINT> path;
    HANDLE pressed = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE started = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    int stepsNotReached = 0;

    ~DragRun()
    {
        CloseHandle(pressed);
        CloseHandle(started);
    }
};

DWORD WINAPI moveThePointer(void* parameter)
{
    auto& run = *static_cast<DragRun*>(parameter);
    sendMouse(MOUSEEVENTF_MOVE, run.start);
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    SetEvent(run.pressed);
    WaitForSingleObject(run.started, kStepGuardMs);
    for (const POINT& point : run.path) {
        run.source.awaitPoint(point);
        sendMouse(MOUSEEVENTF_MOVE, point);
        if (WaitForSingleObject(run.source.reached, kStepGuardMs) != WAIT_OBJECT_0)
            ++run.stepsNotReached;
    }
    sendMouse(MOUSEEVENTF_LEFTUP);
    return 0;
}

void waitPumping(HANDLE event)
{
    while (MsgWaitForMultipleObjects(1, &event, FALSE, kStepGuardMs, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
        pumpMessages();
}
} // namespace

DragOutcome dragAlong(IDataObject& offered, POINT start, const std::vector<POINT>& path)
{
    DragRun run;
    run.start = start;
    run.path = path;
    HANDLE input = CreateThread(nullptr, 0, &moveThePointer, &run, 0, nullptr);
    waitPumping(run.pressed);
    SetEvent(run.started);
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = DoDragDrop(&offered, &run.source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
    waitPumping(input);
    CloseHandle(input);
    pumpMessages();
    return {result, effect, run.stepsNotReached};
}
