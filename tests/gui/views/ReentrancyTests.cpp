// Views that change the tree while the container is calling them: removing themselves during
// a click, removing a sibling while being drawn or clicked, or the focus view removing itself
// on a key. The container must carry on without touching what is gone.
#include "HostWindow.h"
#include "TestViews.h"

#include <gtest/gtest.h>

using namespace VSTGUI;

namespace {
// On a click, removes the view it was given (itself when none) from its container.
class RemovingView : public ColourView {
public:
    RemovingView(const CRect& size, CView* victim_ = nullptr) : ColourView(size, kRedCColor), victim(victim_) {}

    void mouse(CDrawContext* /*context*/, CPoint& /*where*/, std::int32_t /*buttons*/) override { removeVictim(); }
    void draw(CDrawContext* context) override
    {
        ColourView::draw(context);
        if (removeWhileDrawing)
            removeVictim();
    }
    std::int32_t onKeyDown(VstKeyCode& /*keyCode*/) override
    {
        removeVictim();
        return 1;
    }

    bool removeWhileDrawing = false;

private:
    void removeVictim()
    {
        CView* target = victim != nullptr ? victim : this;
        victim = nullptr;
        static_cast<CViewContainer*>(target->getParentView())->removeView(target, true);
    }

    CView* victim;
};

class Reentrancy : public ::testing::Test {
protected:
    Reentrancy() { frame->addView(container); }
    ~Reentrancy() override { frame->forget(); }

    void click(int x, int y) { SendMessageA(frameWindowOf(*frame), WM_LBUTTONDOWN, 0, MAKELPARAM(x, y)); }

    HostWindow host{200, 150};
    CFrame* frame = new CFrame(CRect(0, 0, 200, 150), host.handle());
    CViewContainer* container = new CViewContainer(CRect(0, 0, 200, 150), frame);
};
} // namespace

TEST_F(Reentrancy, AViewThatRemovesItselfOnAClickIsDestroyedAfterTheClick)
{
    const int live = ColourView::liveCount;
    auto* below = new RecordingView(CRect(0, 0, 50, 50));
    container->addView(below);
    container->addView(new RemovingView(CRect(0, 0, 50, 50)));
    click(10, 10);
    EXPECT_EQ(ColourView::liveCount, live);
    EXPECT_EQ(container->getNbViews(), 1);
    EXPECT_EQ(below->clicks, 0) << "the click ended with the view that took it";
    click(10, 10);
    EXPECT_EQ(below->clicks, 1);
}

TEST_F(Reentrancy, AViewThatRemovesALaterSiblingWhileDrawnKeepsItFromBeingDrawn)
{
    auto* later = new ColourView(CRect(60, 0, 100, 40), kBlueCColor);
    later->remember();
    auto* remover = new RemovingView(CRect(0, 0, 50, 50), later);
    remover->removeWhileDrawing = true;
    container->addView(remover);
    container->addView(later);
    UpdateWindow(frameWindowOf(*frame));
    EXPECT_EQ(later->drawCount, 0);
    EXPECT_FALSE(container->isChild(later));
    EXPECT_EQ(later->getNbReference(), 1);
    later->forget();
    EXPECT_EQ(pixelOf(frameWindowOf(*frame), 80, 20), kBlackCColor);
}

TEST_F(Reentrancy, AViewThatRemovesAnEarlierSiblingOnAClickLeavesTheRoutingIntact)
{
    auto* earlier = new RecordingView(CRect(0, 0, 50, 50));
    container->addView(earlier);
    container->addView(new RemovingView(CRect(0, 0, 50, 50), earlier));
    click(10, 10);
    EXPECT_EQ(container->getNbViews(), 1);
    click(10, 10);
}

TEST_F(Reentrancy, AFocusViewThatRemovesItselfOnAKeyLeavesNoFocusBehind)
{
    auto* focused = new RemovingView(CRect(0, 0, 50, 50));
    container->addView(focused);
    frame->setFocusView(focused);
    VstKeyCode key = {'a', 0, 0, {0, 0}};
    EXPECT_EQ(frame->onKeyDown(key), 1);
    EXPECT_EQ(frame->getFocusView(), nullptr);
    EXPECT_EQ(container->getNbViews(), 0);
}
