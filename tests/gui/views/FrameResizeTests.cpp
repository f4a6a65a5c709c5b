// setSize with a host that resizes the editor itself, and the frame's own walk up nested
// windows of known sizes, which grows each window by as much as the plug-in grew.
#include "HostWindow.h"
#include "TestEditor.h"
#include "TestViews.h"

#include <gtest/gtest.h>

using namespace VSTGUI;

namespace {
constexpr int kWidth = 100;
constexpr int kHeight = 80;

int border()
{
    return 2 * GetSystemMetrics(SM_CYDLGFRAME);
}

// outer > middle > host > frame, each window larger than the one inside by a margin.
class FrameResize : public ::testing::Test {
protected:
    void build(SIZE middleMargin, SIZE outerMargin, AEffGUIEditor* editor = nullptr)
    {
        outer = std::make_unique<HostWindow>(kWidth + middleMargin.cx + outerMargin.cx,
                                             kHeight + middleMargin.cy + outerMargin.cy);
        middle = std::make_unique<HostWindow>(kWidth + middleMargin.cx, kHeight + middleMargin.cy, outer->handle(), 0, 0);
        host = std::make_unique<HostWindow>(kWidth, kHeight, middle->handle(), 0, 0);
        frame = new CFrame(CRect(0, 0, kWidth, kHeight), host->handle(), editor);
    }
    ~FrameResize() override
    {
        if (frame != nullptr)
            frame->forget();
    }

    std::unique_ptr<HostWindow> outer;
    std::unique_ptr<HostWindow> middle;
    std::unique_ptr<HostWindow> host;
    CFrame* frame = nullptr;
};

void expectSize(HWND window, int width, int height)
{
    EXPECT_EQ(windowSize(window).cx, width);
    EXPECT_EQ(windowSize(window).cy, height);
}
} // namespace

TEST_F(FrameResize, TheCurrentSizeChangesNothing)
{
    build({10, 20}, {10, 20});
    EXPECT_FALSE(frame->setSize(kWidth, kHeight));
    expectSize(host->handle(), kWidth, kHeight);
}

TEST_F(FrameResize, AHostThatGrantsSizeWindowLeavesItsWindowsToItself)
{
    HostLog log;
    log.grantsSizeWindow = true;
    TestEffect effect(log);
    TestEditor editor(&effect);
    build({10, 20}, {10, 20}, &editor);

    ASSERT_TRUE(frame->setSize(150, 120));
    EXPECT_EQ(log.sizeWindowRequests, 1);
    EXPECT_EQ(log.requestedWidth, 150);
    EXPECT_EQ(log.requestedHeight, 120);
    expectSize(frameWindowOf(*frame), 150, 120);
    expectSize(host->handle(), kWidth, kHeight);
    expectSize(middle->handle(), kWidth + 10, kHeight + 20);
    CRect size;
    EXPECT_EQ(frame->getViewSize(size), CRect(0, 0, 150, 120));
    frame->forget();
    frame = nullptr;
}

TEST_F(FrameResize, WithoutTheHostEveryWindowAroundKeepsItsMargin)
{
    HostLog log;
    TestEffect effect(log);
    TestEditor editor(&effect);
    build({0, 0}, {12, 30}, &editor);
    ASSERT_NE(border(), 12) << "the walk would stop at the outer window";

    ASSERT_TRUE(frame->setSize(150, 120));
    EXPECT_EQ(log.sizeWindowRequests, 0) << "a host without \"sizeWindow\" is not asked";
    expectSize(frameWindowOf(*frame), 150, 120);
    expectSize(host->handle(), 150, 120);
    expectSize(middle->handle(), 150, 120);
    expectSize(outer->handle(), 162, 150);
    EXPECT_TRUE(frame->isDirty());
    frame->forget();
    frame = nullptr;
}

TEST_F(FrameResize, TheWalkStopsBelowAWindowFarLargerThanThePlugIn)
{
    build({0, 0}, {100, 100});
    ASSERT_TRUE(frame->setSize(150, 120));
    expectSize(middle->handle(), 150, 120);
    expectSize(outer->handle(), kWidth + 100, kHeight + 100);
}

TEST_F(FrameResize, TheWalkStopsAtAWindowWhoseMarginIsADialogBorder)
{
    build({border(), 24}, {10, 10});
    ASSERT_TRUE(frame->setSize(150, 120));
    expectSize(host->handle(), 150, 120);
    expectSize(middle->handle(), 150 + border(), 144);
    expectSize(outer->handle(), kWidth + border() + 10, kHeight + 24 + 10);
}

// A granted size drops the back buffer; the next idle must draw the whole frame into the new
// one rather than show its black.
TEST_F(FrameResize, AfterAGrantedSizeTheNextIdleRepaintsEveryView)
{
    HostLog log;
    log.grantsSizeWindow = true;
    TestEffect effect(log);
    TestEditor editor(&effect);
    build({10, 20}, {10, 20}, &editor);
    auto* left = new ColourView(CRect(0, 0, 50, kHeight), kRedCColor);
    auto* right = new ColourView(CRect(50, 0, kWidth, kHeight), kBlueCColor);
    frame->addView(left);
    frame->addView(right);
    UpdateWindow(frameWindowOf(*frame));
    ASSERT_EQ(pixelOf(frameWindowOf(*frame), 75, 40), kBlueCColor);

    ASSERT_TRUE(frame->setSize(kWidth + 10, kHeight));
    left->setColour(kGreenCColor);
    left->setDirty(true);
    frame->idle();

    EXPECT_EQ(pixelOf(frameWindowOf(*frame), 25, 40), kGreenCColor);
    EXPECT_EQ(pixelOf(frameWindowOf(*frame), 75, 40), kBlueCColor) << "a view that was not dirty";
    frame->forget();
    frame = nullptr;
}
