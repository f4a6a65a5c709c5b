// Real OLE drags: the test program starts a drag from a window of its own and a second thread
// moves the real pointer over the frame and releases the button, as a user dragging from
// another application does.
#include "CDragContainer.h"
#include "DropHost.h"
#include "RealDrag.h"
#include "TestDataObject.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace VSTGUI;

namespace {
class RealDrag : public ::testing::Test {
protected:
    // Drags data from the source window along the path (screen points) and releases the
    // button at its end; the effect DoDragDrop reports.
    DWORD drag(IDataObject& offered, const std::vector<POINT>& path)
    {
        const DragOutcome outcome = dragAlong(offered, sourceCentre(), path);
        EXPECT_EQ(outcome.stepsNotReached, 0) << "the drag loop never saw the pointer at some point";
        EXPECT_TRUE(outcome.result == DRAGDROP_S_DROP || outcome.result == DRAGDROP_S_CANCEL) << std::hex
                                                                                                << outcome.result;
        return outcome.effect;
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
    const DroppedFiles files = makeDroppedFiles();
    ASSERT_TRUE(files.made);

    data.offerFiles({files.first, files.second});
    drag(data, {onReadout(40, 40), onReadout(60, 60)});
    EXPECT_EQ(host.readout->items, Items({{kDragItemFile, files.first}, {kDragItemFile, files.second}}));

    data.offerFiles({files.shortcut});
    drag(data, {onReadout(40, 40), onReadout(60, 60)});
    ASSERT_EQ(host.readout->items.size(), 1u);
    EXPECT_EQ(host.readout->items[0].type, kDragItemFile);
    EXPECT_EQ(longPathOf(host.readout->items[0].bytes), longPathOf(files.target));
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
