// The frame's drop target called the way OLE calls it, with data objects that a well-behaved
// or a hostile sender hands over: what reaches the view, what the sender is told, and that
// every block of memory and reference the sender gave comes back.
#include "CDragContainer.h"
#include "DropHost.h"
#include "TestDataObject.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <string>

using namespace VSTGUI;

namespace {
constexpr DWORD kUntouched = 0x1234;

class DropTargetCalls : public ::testing::Test {
protected:
    void SetUp() override
    {
        target = registeredTarget(host.frameWindow());
        ASSERT_NE(target, nullptr);
        placeCursor(60, 70);
    }
    void TearDown() override
    {
        if (target != nullptr)
            target->Release();
        EXPECT_EQ(data.blocksReleased, data.blocksHandedOut) << "memory the sender handed out was kept";
        EXPECT_EQ(data.references(), 1) << "a reference to the sender's data object was kept";
    }

    void placeCursor(int frameX, int frameY)
    {
        const POINT point = host.screenPoint(frameX, frameY);
        SetCursorPos(point.x, point.y);
    }
    DWORD enter(IDataObject* object)
    {
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        EXPECT_EQ(target->DragEnter(object, MK_LBUTTON, POINTL{0, 0}, &effect), S_OK);
        return effect;
    }
    DWORD over()
    {
        DWORD effect = kUntouched;
        EXPECT_EQ(target->DragOver(MK_LBUTTON, POINTL{0, 0}, &effect), S_OK);
        return effect;
    }
    DWORD drop(IDataObject* object)
    {
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        EXPECT_EQ(target->Drop(object, 0, POINTL{0, 0}, &effect), S_OK);
        return effect;
    }
    // A whole drag onto the readout; the effect the drop answered.
    DWORD dragAndDrop()
    {
        enter(&data);
        over();
        return drop(&data);
    }

    TestDataObject data;
    DropHost host;
    IDropTarget* target = nullptr;
};

using Items = std::vector<DropReadout::Item>;
} // namespace

TEST_F(DropTargetCalls, DeliverEnterMoveAndDropAtTheCursorToTheViewUnderIt)
{
    data.offerText("hello");
    EXPECT_EQ(enter(&data), static_cast<DWORD>(DROPEFFECT_MOVE));
    EXPECT_EQ(host.readout->enters, 1);
    EXPECT_EQ(host.readout->lastPoint, CPoint(60, 70));
    placeCursor(80, 90);
    EXPECT_EQ(over(), static_cast<DWORD>(DROPEFFECT_MOVE));
    EXPECT_EQ(host.readout->moves, 1);
    EXPECT_EQ(host.readout->lastPoint, CPoint(80, 90));
    EXPECT_EQ(drop(&data), static_cast<DWORD>(DROPEFFECT_MOVE));
    EXPECT_EQ(host.readout->drops, 1);
    EXPECT_EQ(host.readout->leaves, 1) << "the view under a drop is left after it";
    EXPECT_EQ(host.readout->items, (Items{{kDragItemText, "hello"}}));
}

TEST_F(DropTargetCalls, LeaveOutsideEveryViewReachesTheViewLastEntered)
{
    data.offerText("a");
    enter(&data);
    placeCursor(3, 3);
    over();
    EXPECT_EQ(host.readout->leaves, 1) << "moving off the view leaves it";
    EXPECT_EQ(target->DragLeave(), S_OK);
    EXPECT_EQ(host.readout->leaves, 1);
    EXPECT_EQ(host.readout->drops, 0);
    EXPECT_EQ(drop(&data), static_cast<DWORD>(DROPEFFECT_NONE)) << "a drop after the leave belongs to no drag";
}

TEST_F(DropTargetCalls, RefusedDropIsAnsweredWithNoEffectAndChangesNothing)
{
    data.offerText("first");
    dragAndDrop();
    host.readout->setAccepting(false);
    data.offerText("second");
    EXPECT_EQ(dragAndDrop(), static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(host.readout->drops, 2);
    EXPECT_EQ(host.readout->items, (Items{{kDragItemText, "first"}}));
}

TEST_F(DropTargetCalls, DragWithoutDataOrBeforeAnEnterHasNoEffect)
{
    EXPECT_EQ(enter(nullptr), static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(over(), kUntouched);
    EXPECT_EQ(target->DragLeave(), S_OK);
    EXPECT_EQ(drop(nullptr), static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(host.readout->enters + host.readout->moves + host.readout->leaves + host.readout->drops, 0);
}

TEST_F(DropTargetCalls, DataWithoutAnyFormatMakesAnEmptyDragThatNoViewTakes)
{
    EXPECT_EQ(enter(&data), static_cast<DWORD>(DROPEFFECT_MOVE));
    EXPECT_EQ(drop(&data), static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(host.readout->drops, 1);
    EXPECT_TRUE(host.readout->items.empty());
}

TEST_F(DropTargetCalls, ClosedFrameIsNoLongerReached)
{
    data.offerText("late");
    enter(&data);
    host.closeFrame();
    EXPECT_EQ(over(), kUntouched);
    EXPECT_EQ(drop(&data), static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(enter(&data), static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(host.readout->enters, 1);
    EXPECT_EQ(host.readout->drops, 0);
}

TEST_F(DropTargetCalls, DragOverOneFrameIsNotDroppedOnAnother)
{
    DropHost other(nullptr, 400, 30);
    IDropTarget* otherTarget = registeredTarget(other.frameWindow());
    ASSERT_NE(otherTarget, nullptr);
    data.offerText("mine");
    enter(&data);
    DWORD effect = DROPEFFECT_MOVE;
    EXPECT_EQ(otherTarget->Drop(&data, 0, POINTL{0, 0}, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(other.readout->drops, 0);
    otherTarget->Release();
    EXPECT_EQ(drop(&data), static_cast<DWORD>(DROPEFFECT_MOVE));
    EXPECT_EQ(host.readout->items, (Items{{kDragItemText, "mine"}}));
}

TEST_F(DropTargetCalls, AnswerOnlyForTheirOwnInterfaces)
{
    void* object = &data;
    EXPECT_EQ(target->QueryInterface(IID_IDataObject, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(target->QueryInterface(IID_IDropTarget, &object), S_OK);
    EXPECT_EQ(object, static_cast<void*>(target));
    EXPECT_EQ(target->QueryInterface(IID_IUnknown, &object), S_OK);
    target->Release();
    target->Release();
}

TEST_F(DropTargetCalls, FileListsWithHostileLayoutsYieldNoFiles)
{
    std::string beyondTheBlock = fileListBytes({"C:\\a.txt"});
    reinterpret_cast<DROPFILES*>(&beyondTheBlock[0])->pFiles = 4096;
    std::string unterminated = fileListBytes({"C:\\a.txt"});
    unterminated.resize(unterminated.size() - 2);
    const std::string tooShort(8, '\0');
    const std::vector<std::string> layouts = {fileListBytes({}), beyondTheBlock, unterminated, tooShort};
    for (std::size_t layout = 0; layout < layouts.size(); ++layout) {
        SCOPED_TRACE(layout);
        data.offer(CF_HDROP, layouts[layout]);
        CDragContainer drag(&data);
        std::int32_t size = -1;
        std::int32_t type = kDragItemText;
        EXPECT_EQ(drag.getCount(), 0);
        EXPECT_EQ(drag.first(size, type), nullptr);
        EXPECT_EQ(size, 0);
        EXPECT_EQ(type, kDragItemNone);
    }
    EXPECT_EQ(dragAndDrop(), static_cast<DWORD>(DROPEFFECT_NONE));
}
