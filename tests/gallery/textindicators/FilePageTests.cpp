// The gallery's file page with a host that offers file selection (kvhost's own selector,
// answering canDo "openFileSelector" and "closeFileSelector"): a real click on each button
// sends its request once the click has ended, the host's answer shows in the button's label
// (compared with the same label drawn here), and the selector gives the answer back.
#include "CFrame.h"
#include "PageCoordinates.h"
#include "HostFileSelector.h"
#include "RealInput.h"
#include "pages/FilePage.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace gallery;

namespace {
// Below the editor's window, all on the screen.
constexpr int kReferenceX = 20;
constexpr int kReferenceY = 600;

struct SeenRequest {
    int32 command;
    std::string title;
    int32 fileTypes;
    std::string firstType;
    bool editing;
};

// What an answer label with this text looks like, drawn by the label class in a frame here.
std::vector<VSTGUI::CColor> answerLabelPixels(const char* text)
{
    const VSTGUI::CRect area = fileAnswerArea(0);
    HostWindow window(area.width(), area.height(), nullptr, kReferenceX, kReferenceY);
    auto* frame = new VSTGUI::CFrame(VSTGUI::CRect(0, 0, area.width(), area.height()), window.handle(), nullptr);
    auto* label = new VSTGUI::CTextLabel(VSTGUI::CRect(0, 0, area.width(), area.height()), text);
    useFileAnswerLook(*label);
    frame->addView(label);
    UpdateWindow(window.handle());
    pumpMessages();
    std::vector<VSTGUI::CColor> result = pixelsOf(window.handle(), 0, 0, area.width(), area.height());
    frame->forget();
    return result;
}

POINT centreOf(const VSTGUI::CRect& area)
{
    return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

class GalleryFilePage : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestHost& host = page.host();
        host.handle(audioMasterCanDo, [this](int32, intptr, void* text, float) {
            return selector->canDo(static_cast<const char*>(text));
        });
        host.handle(audioMasterOpenFileSelector, [this](int32, intptr, void* record, float) {
            auto* select = static_cast<VstFileSelect*>(record);
            if (select != nullptr)
                seen.push_back({select->command, select->title, select->nbFileTypes,
                                select->fileTypes != nullptr ? select->fileTypes[0].dosType : "",
                                editsOpen() > 0});
            return selector->open(select);
        });
        host.handle(audioMasterCloseFileSelector, [this](int32, intptr, void* record, float) {
            ++closed;
            return selector->close(static_cast<VstFileSelect*>(record));
        });
        showPage(page, kFilePage);
        ASSERT_TRUE(page.openEditor());
    }

    // Begin edits without their end so far.
    int editsOpen()
    {
        int open = 0;
        for (const HostRequest& request : page.host().requests())
            open += request.opcode == audioMasterBeginEdit ? 1 : request.opcode == audioMasterEndEdit ? -1 : 0;
        return open;
    }
    void answerWith(std::vector<std::string> paths) { selector = std::make_unique<HostFileSelector>(std::move(paths)); }
    void clickButton(int row) { page.click(onEditor(centreOf(fileButtonArea(row)))); }
    std::vector<VSTGUI::CColor> answerShown(int row) const
    {
        const VSTGUI::CRect area = fileAnswerArea(row);
        return pagePixels(page, area.left, area.top, area.right, area.bottom);
    }

    PanelHost page{kGalleryEditorSize};
    std::unique_ptr<HostFileSelector> selector = std::make_unique<HostFileSelector>(std::vector<std::string>());
    std::vector<SeenRequest> seen;
    int closed = 0;
};
} // namespace

TEST_F(GalleryFilePage, EachButtonAsksTheHostAfterItsClickAndItsLabelShowsTheAnswer)
{
    const std::vector<VSTGUI::CColor> nothing = answerLabelPixels(kNothingChosen);
    for (int row = 0; row < kFileRequestCount; ++row)
        ASSERT_EQ(answerShown(row), nothing) << row;

    const char* const answers[kFileRequestCount] = {"C:\\gallery\\notes.txt", "C:\\gallery\\saved as.txt",
                                                    "C:\\gallery\\folder"};
    for (int row = 0; row < kFileRequestCount; ++row) {
        SCOPED_TRACE(kFileRequests[row].caption);
        answerWith({answers[row]});
        clickButton(row);
        ASSERT_EQ(seen.size(), static_cast<std::size_t>(row + 1));
        const SeenRequest& request = seen.back();
        EXPECT_EQ(request.command, kFileRequests[row].command);
        EXPECT_EQ(request.title, kFileRequests[row].title);
        EXPECT_FALSE(request.editing) << "the selector ran inside the button's gesture";
        if (kFileRequests[row].command == kVstDirectorySelect) {
            EXPECT_EQ(request.fileTypes, 0);
        } else {
            EXPECT_EQ(request.fileTypes, 1);
            EXPECT_EQ(request.firstType, kFileTypeExtension);
        }
        EXPECT_EQ(closed, row + 1) << "the answer was not given back";
        EXPECT_EQ(answerShown(row), answerLabelPixels(answers[row]));
        for (int other = row + 1; other < kFileRequestCount; ++other)
            EXPECT_EQ(answerShown(other), nothing) << other;
    }

    // A cancelled request shows that nothing was chosen; a press dragged off the button asks nothing.
    answerWith({});
    clickButton(0);
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kFileRequestCount + 1));
    EXPECT_EQ(answerShown(0), nothing);
    EXPECT_EQ(answerShown(1), answerLabelPixels(answers[1]));

    MouseDrag away;
    const POINT button = centreOf(fileButtonArea(1));
    away.start = {button.x + kPageLeft, button.y + kPageTop};
    ClientToScreen(page.frameWindow(), &away.start);
    away.dy = kFileRowSpacing / 2;
    InputThread thread([away] { performDrag(away); });
    pumpUntilSignalled(thread.handle());
    page.idle();
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kFileRequestCount + 1));
}

TEST_F(GalleryFilePage, ClosingTheEditorRightAfterAClickLeavesNoRequestBehind)
{
    answerWith({"C:\\gallery\\late.txt"});
    clickButton(1);
    ASSERT_EQ(seen.size(), 1u);
    // The next click is pending when the host closes the editor before any idle.
    const POINT button = centreOf(fileButtonArea(2));
    POINT screen = {button.x + kPageLeft, button.y + kPageTop};
    ClientToScreen(page.frameWindow(), &screen);
    InputThread thread([screen] { performClick(screen); });
    pumpUntilSignalled(thread.handle());
    page.closeEditor();
    page.idle();
    EXPECT_EQ(seen.size(), 1u);
    EXPECT_EQ(editsOpen(), 0);
    ASSERT_TRUE(page.openEditor());
    EXPECT_EQ(answerShown(1), answerLabelPixels(kNothingChosen)) << "a new editor starts afresh";
}
