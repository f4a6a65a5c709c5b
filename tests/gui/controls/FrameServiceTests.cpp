// What the frame does for the views and controls in it: key routing between the focus view
// and the modal view, and the answers of the edit requests it passes to its editor.
#include "ControlFixture.h"

#include <vector>

using namespace VSTGUI;

namespace {
constexpr std::int32_t kPassed = -1;
constexpr std::int32_t kTaken = 1;

// A view that records the keys it is offered and answers with a chosen result; an optional
// action runs inside its handler.
class KeyView : public CView {
public:
    KeyView(std::vector<const KeyView*>& log_, std::int32_t answer_)
        : CView(CRect(0, 0, 10, 10)), log(log_), answer(answer_)
    {
    }
    std::int32_t onKeyDown(VstKeyCode& /*keyCode*/) override
    {
        log.push_back(this);
        if (whileHandling)
            whileHandling();
        return answer;
    }
    std::function<void()> whileHandling;

private:
    std::vector<const KeyView*>& log;
    std::int32_t answer;
};

class FrameKeys : public ControlFixture {
protected:
    std::int32_t pressKey()
    {
        VstKeyCode key{'a', 0, 0, {0, 0}};
        return frame->onKeyDown(key);
    }

    std::vector<const KeyView*> offered;
};

// An editor whose edit requests answer as the test says and remember the index.
class AnsweringEditor : public AEffGUIEditor {
public:
    explicit AnsweringEditor(bool answer_) : AEffGUIEditor(nullptr), answer(answer_) {}
    bool beginEdit(int32 index) override
    {
        begun = index;
        return answer;
    }
    bool endEdit(int32 index) override
    {
        ended = index;
        return answer;
    }
    int32 begun = -1;
    int32 ended = -1;

private:
    bool answer;
};
} // namespace

TEST_F(FrameKeys, AKeyTheFocusViewPassesGoesToTheModalView)
{
    auto* focus = add(new KeyView(offered, kPassed));
    auto* modal = new KeyView(offered, kTaken);
    ASSERT_TRUE(frame->setModalView(modal));
    frame->setFocusView(focus);

    EXPECT_EQ(pressKey(), kTaken);
    EXPECT_EQ(offered, (std::vector<const KeyView*>{focus, modal}));
    // The frame lets go of a modal view without forgetting it.
    frame->setModalView(nullptr);
    modal->forget();
}

TEST_F(FrameKeys, AFocusViewThatRemovesTheModalViewPassesTheKeyToNoOne)
{
    auto* focus = add(new KeyView(offered, kPassed));
    auto* modal = new KeyView(offered, kTaken);
    ASSERT_TRUE(frame->setModalView(modal));
    frame->setFocusView(focus);
    focus->whileHandling = [&] { frame->removeView(modal, true); };

    EXPECT_EQ(pressKey(), kPassed);
    EXPECT_EQ(offered, (std::vector<const KeyView*>{focus}));
    EXPECT_EQ(frame->getModalView(), nullptr);
}

TEST_F(ControlFixture, EditRequestsAnswerWhatTheEditorAnswers)
{
    EXPECT_TRUE(frame->beginEdit(2)) << "the host of the fixture accepts every edit";
    EXPECT_TRUE(frame->endEdit(2));

    for (const bool answer : {true, false}) {
        AnsweringEditor answering(answer);
        CFrame* ownFrame = new CFrame(CRect(0, 0, 20, 20), nullptr, &answering);
        EXPECT_EQ(ownFrame->beginEdit(1), answer);
        EXPECT_EQ(ownFrame->endEdit(2), answer);
        EXPECT_EQ(answering.begun, 1);
        EXPECT_EQ(answering.ended, 2);
        ownFrame->forget();
    }

    CFrame* withoutEditor = new CFrame(CRect(0, 0, 20, 20), nullptr, nullptr);
    EXPECT_FALSE(withoutEditor->beginEdit(0));
    EXPECT_FALSE(withoutEditor->endEdit(0));
    withoutEditor->forget();
}
