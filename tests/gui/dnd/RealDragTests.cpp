// Real OLE drags: the test program starts a drag from a window of its own and a second thread
// moves the real pointer over the frame and releases the button, as a user dragging from
// another application does. Each step waits until the drag loop has seen the pointer there.
#include "CDragContainer.h"
#include "DropHost.h"
#include "TestDataObject.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

using namespace VSTGUI;

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

class RealDrag : public ::testing::Test {
protected:
    // Drags data from the source window along the path (screen points) and releases the
    // button at its end; the effect DoDragDrop reports.
    DWORD drag(IDataObject& offered, const std::vector<POINT>& path)
    {
        DragRun run;
        run.start = sourceCentre();
        run.path = path;
        HANDLE input = CreateThread(nullptr, 0, &moveThePointer, &run, 0, nullptr);
        waitPumping(run.pressed);
        SetEvent(run.started);
        DWORD effect = DROPEFFECT_NONE;
        const HRESULT result = DoDragDrop(&offered, &run.source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
        waitPumping(input);
        CloseHandle(input);
        pumpMessages();
        EXPECT_EQ(run.stepsNotReached, 0) << "the drag loop never saw the pointer at some point";
        EXPECT_TRUE(result == DRAGDROP_S_DROP || result == DRAGDROP_S_CANCEL) << std::hex << result;
        return effect;
    }
    POINT sourceCentre() const
    {
        POINT point = {30, 30};
        ClientToScreen(source.handle(), &point);
        return point;
    }
    POINT onReadout(int frameX, int frameY) const { return host.screenPoint(frameX, frameY); }

    void TearDown() override { EXPECT_EQ(data.blocksReleased, data.blocksHandedOut); }

    TestDataObject data;
    DropHost host;
    HostWindow source{60, 60, nullptr, 500, 400};
};

using Items = std::vector<DropReadout::Item>;
} // namespace

TEST_F(RealDrag, TextIsDroppedOnTheViewAfterEnterAndMove)
{
    data.offerText("dragged words");
    EXPECT_EQ(drag(data, {onReadout(50, 50), onReadout(120, 80)}), static_cast<DWORD>(DROPEFFECT_MOVE));
    EXPECT_EQ(host.readout->enters, 1);
    EXPECT_GE(host.readout->moves, 1);
    EXPECT_EQ(host.readout->drops, 1);
    EXPECT_EQ(host.readout->lastPoint, CPoint(120, 80));
    EXPECT_EQ(host.readout->items, Items({{kDragItemText, "dragged words"}}));
}

TEST_F(RealDrag, FileListAndShortcutArriveAsPathsWithTheShortcutResolved)
{
    const std::string first = makeFile("first dropped.wav");
    const std::string second = makeFile("second dropped.wav");
    const std::string target = makeFile("shortcut target.wav");
    const std::string shortcut = testFolder() + "\\to target.lnk";
    ASSERT_TRUE(makeShortcut(shortcut, target));

    data.offerFiles({first, second});
    drag(data, {onReadout(40, 40), onReadout(60, 60)});
    EXPECT_EQ(host.readout->items, Items({{kDragItemFile, first}, {kDragItemFile, second}}));

    data.offerFiles({shortcut});
    drag(data, {onReadout(40, 40), onReadout(60, 60)});
    ASSERT_EQ(host.readout->items.size(), 1u);
    EXPECT_EQ(host.readout->items[0].type, kDragItemFile);
    EXPECT_EQ(longPathOf(host.readout->items[0].bytes), longPathOf(target));
    EXPECT_EQ(host.readout->drops, 2);
}

TEST_F(RealDrag, LeavingTheFrameDeliversLeaveAndNoDrop)
{
    data.offerText("passing by");
    EXPECT_EQ(drag(data, {onReadout(50, 50), onReadout(70, 50), sourceCentre()}),
              static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(host.readout->enters, 1);
    EXPECT_EQ(host.readout->leaves, 1);
    EXPECT_EQ(host.readout->drops, 0);
    EXPECT_TRUE(host.readout->items.empty());
}

TEST_F(RealDrag, RefusingViewAndEmptyDataChangeNothing)
{
    data.offerText("kept");
    drag(data, {onReadout(50, 50), onReadout(60, 60)});
    host.readout->setAccepting(false);
    data.offerText("refused");
    EXPECT_EQ(drag(data, {onReadout(50, 50), onReadout(60, 60)}), static_cast<DWORD>(DROPEFFECT_NONE));
    host.readout->setAccepting(true);
    TestDataObject empty;
    EXPECT_EQ(drag(empty, {onReadout(50, 50), onReadout(60, 60)}), static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(host.readout->drops, 3);
    EXPECT_EQ(host.readout->items, Items({{kDragItemText, "kept"}}));
}

TEST_F(RealDrag, ClosedFrameReceivesNothing)
{
    host.closeFrame();
    data.offerText("too late");
    EXPECT_EQ(drag(data, {onReadout(50, 50), onReadout(60, 60)}), static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(host.readout->enters + host.readout->drops, 0);
}
