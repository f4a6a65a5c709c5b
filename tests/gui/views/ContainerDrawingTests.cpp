// What containers paint into an offscreen surface: background and children with their offsets,
// later children on top, partial repaints, the dirty-only update, transparency and offscreen
// drawing.
#include "CFrame.h"
#include "COffscreenContext.h"
#include "TestViews.h"

#include <gtest/gtest.h>

using namespace VSTGUI;

namespace {
// A container at (10, 10) with a red child at (5, 5) and a blue one over it at (20, 20), in a
// frame without window whose background is green.
class ContainerDrawing : public ::testing::Test {
protected:
    ContainerDrawing()
    {
        frame->setBackgroundColor(kGreenCColor);
        frame->addView(container);
        container->setBackgroundColor(kWhiteCColor);
        container->addView(red);
        container->addView(blue);
    }
    ~ContainerDrawing() override
    {
        surface->forget();
        frame->forget();
    }

    CColor at(int x, int y) { return surface->getPoint(CPoint(x, y)); }

    CFrame* frame = new CFrame(CRect(0, 0, 100, 100), nullptr);
    CViewContainer* container = new CViewContainer(CRect(10, 10, 60, 60), frame);
    ColourView* red = new ColourView(CRect(5, 5, 30, 30), kRedCColor);
    ColourView* blue = new ColourView(CRect(20, 20, 40, 40), kBlueCColor);
    COffscreenContext* surface = new COffscreenContext(frame, 100, 100, kBlackCColor);
};
} // namespace

TEST_F(ContainerDrawing, PaintsItsWholeBackgroundAndItsChildrenAtTheirOffsets)
{
    container->draw(surface);
    EXPECT_EQ(at(10, 10), kWhiteCColor) << "the top-left corner of the background";
    EXPECT_EQ(at(59, 59), kWhiteCColor);
    EXPECT_EQ(at(9, 9), kBlackCColor);
    EXPECT_EQ(at(60, 60), kBlackCColor);
    EXPECT_EQ(at(15, 15), kRedCColor);
    EXPECT_EQ(at(35, 35), kBlueCColor) << "the later child is on top";
    EXPECT_EQ(at(49, 49), kBlueCColor);
    EXPECT_FALSE(container->isDirty());
}

TEST_F(ContainerDrawing, APartialRepaintLeavesAPartlyDrawnChildDirty)
{
    container->draw(surface);
    red->setColour(kYellowCColor);
    blue->setColour(kMagentaCColor);
    red->setDirty(true);
    container->drawRect(surface, CRect(10, 10, 25, 25));
    EXPECT_EQ(at(20, 20), kYellowCColor);
    EXPECT_EQ(at(27, 16), kRedCColor) << "outside the update rectangle";
    EXPECT_TRUE(red->isDirty());
    EXPECT_EQ(at(35, 35), kBlueCColor) << "the blue child lies outside the update rectangle";
}

TEST_F(ContainerDrawing, UpdateRepaintsOnlyTheDirtyChildren)
{
    container->draw(surface);
    red->setColour(kYellowCColor);
    blue->setColour(kMagentaCColor);
    blue->setDirty(true);
    container->update(surface);
    EXPECT_EQ(at(45, 45), kMagentaCColor);
    EXPECT_EQ(at(20, 20), kRedCColor);
    EXPECT_FALSE(container->isDirty());
}

TEST_F(ContainerDrawing, UpdateInModeZeroRepaintsEverythingWhenAnythingIsDirty)
{
    container->draw(surface);
    container->setMode(0);
    red->setColour(kYellowCColor);
    blue->setColour(kMagentaCColor);
    blue->setDirty(true);
    container->update(surface);
    EXPECT_EQ(at(45, 45), kMagentaCColor);
    EXPECT_EQ(at(20, 20), kYellowCColor);
}

TEST_F(ContainerDrawing, ATransparentContainerLetsItsParentRepaintBeneathIt)
{
    container->setTransparency(true);
    container->redrawRect(surface, CRect(0, 0, 50, 50));
    EXPECT_EQ(at(12, 12), kGreenCColor) << "the frame's background shows through";
    EXPECT_EQ(at(20, 20), kRedCColor);
}

TEST_F(ContainerDrawing, DrawingThroughItsOwnOffscreenGivesTheSamePicture)
{
    container->useOffscreen(true);
    container->draw(surface);
    EXPECT_EQ(at(10, 10), kWhiteCColor);
    EXPECT_EQ(at(15, 15), kRedCColor);
    EXPECT_EQ(at(35, 35), kBlueCColor);
    EXPECT_EQ(at(60, 60), kBlackCColor);

    red->setColour(kYellowCColor);
    container->drawRect(surface, CRect(10, 10, 25, 25));
    EXPECT_EQ(at(20, 20), kYellowCColor);
    EXPECT_EQ(at(27, 16), kRedCColor);
}
