// Real OLE drags onto the gallery's page, started by this program as another application
// starts them: text, a file list and a shortcut reach the page's drop readout, a drag that
// leaves is told so, and a closed editor takes nothing. The readout lives in the plug-in, so
// what it shows is compared with a readout of the expected state drawn in a frame of this
// program by the same framework.
#include "CDragContainer.h"
#include "DropHost.h"
#include "GalleryScreen.h"
#include "RealDrag.h"
#include "TestDataObject.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace gallerytest;
using Items = std::vector<DropReadout::Item>;

namespace {
// How often the drag loop reports a move depends on its timing; the readout counts them all.
constexpr int kMostMovesCounted = 60;

struct ReadoutState {
    int enters;
    int leaves;
    int drops;
    Items items;
};

// A readout of the page's size alone in a frame of its own, away from the gallery and the
// drag's path.
class ReadoutReference {
public:
    ReadoutReference()
        : window(width(), height(), nullptr, 760, 600),
          frame(new VSTGUI::CFrame(VSTGUI::CRect(0, 0, width(), height()), window.handle())),
          readout(new DropReadout(VSTGUI::CRect(0, 0, width(), height())))
    {
        frame->addView(readout);
        frame->setDropActive(false);
    }
    ~ReadoutReference() { frame->forget(); }

    std::vector<VSTGUI::CColor> pixels(const ReadoutState& state, int moves)
    {
        readout->enters = state.enters;
        readout->moves = moves;
        readout->leaves = state.leaves;
        readout->drops = state.drops;
        readout->items = state.items;
        const HWND frameWindow = frameWindowOf(*frame);
        InvalidateRect(frameWindow, nullptr, FALSE);
        UpdateWindow(frameWindow);
        return pixelsOf(frameWindow, 0, 0, width(), height());
    }

private:
    static int width() { return dropArea().right - dropArea().left; }
    static int height() { return dropArea().bottom - dropArea().top; }

    HostWindow window;
    VSTGUI::CFrame* frame;
    DropReadout* readout;
};

class GalleryDrop : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(screen.openEditor()); }
    void TearDown() override { EXPECT_EQ(data.blocksReleased, data.blocksHandedOut); }

    DWORD drag(IDataObject& offered, const std::vector<POINT>& path)
    {
        const DragOutcome outcome = dragAlong(offered, sourceCentre(), path);
        EXPECT_EQ(outcome.stepsNotReached, 0) << "the drag loop never saw the pointer at some point";
        EXPECT_TRUE(outcome.result == DRAGDROP_S_DROP || outcome.result == DRAGDROP_S_CANCEL) << std::hex
                                                                                                << outcome.result;
        screen.idle();
        return outcome.effect;
    }
    // A point of the drop readout, on the screen.
    POINT onReadout(int x, int y) const
    {
        const RECT area = dropArea();
        return screen.toScreen({area.left + x, area.top + y});
    }
    POINT sourceCentre() const
    {
        POINT point = {30, 30};
        ClientToScreen(source.handle(), &point);
        return point;
    }
    ::testing::AssertionResult readoutShows(const ReadoutState& state)
    {
        const RECT area = dropArea();
        const std::vector<VSTGUI::CColor> shown = screen.pixels(area.left, area.top, area.right, area.bottom);
        for (int moves = 0; moves <= kMostMovesCounted; ++moves)
            if (reference.pixels(state, moves) == shown)
                return ::testing::AssertionSuccess() << moves << " moves";
        return ::testing::AssertionFailure() << "the readout shows another state than enter " << state.enters
                                             << ", leave " << state.leaves << ", drop " << state.drops << " and "
                                             << state.items.size() << " items";
    }

    GalleryScreen screen;
    ReadoutReference reference;
    TestDataObject data;
    HostWindow source{60, 60, nullptr, 1000, 100};
};

std::string shortPathOf(const std::string& path)
{
    char shortPath[MAX_PATH] = {};
    const DWORD length = GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(shortPath, length) : path;
}
} // namespace

// The frame ends every drag over a view with a leave, the dropped ones too.
TEST_F(GalleryDrop, TextReachesThePageAfterEnterAndMove)
{
    EXPECT_TRUE(readoutShows({0, 0, 0, {}}));
    data.offerText("dragged words");
    EXPECT_NE(drag(data, {onReadout(50, 40), onReadout(120, 50)}), static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_TRUE(readoutShows({1, 1, 1, {{VSTGUI::kDragItemText, "dragged words"}}}));
}

TEST_F(GalleryDrop, FileListAndShortcutArriveAsPathsWithTheShortcutResolved)
{
    const DroppedFiles files = makeDroppedFiles();
    ASSERT_TRUE(files.made);

    data.offerFiles({files.first, files.second});
    drag(data, {onReadout(40, 40), onReadout(60, 60)});
    EXPECT_TRUE(readoutShows({1, 1, 1, {{VSTGUI::kDragItemFile, files.first}, {VSTGUI::kDragItemFile, files.second}}}));

    data.offerFiles({files.shortcut});
    drag(data, {onReadout(40, 40), onReadout(60, 60)});
    // The system may name the target by its short path.
    EXPECT_TRUE(readoutShows({2, 2, 2, {{VSTGUI::kDragItemFile, longPathOf(files.target)}}})
                || readoutShows({2, 2, 2, {{VSTGUI::kDragItemFile, shortPathOf(files.target)}}}));
}

TEST_F(GalleryDrop, LeavingThePageDeliversLeaveAndNoDrop)
{
    data.offerText("passing by");
    EXPECT_EQ(drag(data, {onReadout(50, 40), onReadout(70, 40), sourceCentre()}),
              static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_TRUE(readoutShows({1, 1, 0, {}}));
}

TEST_F(GalleryDrop, AClosedEditorTakesNothing)
{
    const POINT over = onReadout(50, 40);
    screen.closeEditor();
    data.offerText("too late");
    EXPECT_EQ(drag(data, {over, onReadout(60, 50)}), static_cast<DWORD>(DROPEFFECT_NONE));
    ASSERT_TRUE(screen.openEditor());
    EXPECT_TRUE(readoutShows({0, 0, 0, {}}));
}
