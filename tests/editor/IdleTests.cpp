// The editor base's idle work, in this process with a frame whose idle passes are counted:
// tracking loops get idle passes at a throttled rate, and a host that answers the idle request
// by idling the editor does not make the frame redraw from inside a redraw.
#include "AEffGUIEditor.h"
#include "CFrame.h"
#include "PanelHost.h"

#include <gtest/gtest.h>

namespace {
class CountingFrame : public VSTGUI::CFrame {
public:
    using CFrame::CFrame;

    void idle() override
    {
        ++calls;
        if (depth > 0)
            ++nestedCalls;
        ++depth;
        CFrame::idle();
        --depth;
    }

    int calls = 0;
    int nestedCalls = 0;

private:
    int depth = 0;
};

class IdleEditor : public AEffGUIEditor {
public:
    IdleEditor(AudioEffect* effect_, HWND parent) : AEffGUIEditor(effect_)
    {
        countingFrame = new CountingFrame(VSTGUI::CRect(0, 0, 20, 20), parent, this);
        frame = countingFrame;
    }
    ~IdleEditor() override { countingFrame->forget(); }

    CountingFrame* countingFrame;
};

struct IdleHost {
    int idleRequests = 0;
    bool answerWithEditIdle = false;
    AEffect* effect = nullptr;
};
IdleHost* currentHost = nullptr;

intptr answerIdleHost(AEffect* /*effect*/, int32 opcode, int32 /*index*/, intptr /*value*/, void* /*ptr*/, float /*opt*/)
{
    if (currentHost == nullptr || opcode != audioMasterIdle)
        return opcode == audioMasterVersion ? 2400 : 0;
    ++currentHost->idleRequests;
    if (currentHost->answerWithEditIdle)
        currentHost->effect->dispatcher(currentHost->effect, effEditIdle, 0, 0, nullptr, 0.0f);
    return 1;
}

class SilentEffect : public AudioEffectX {
public:
    SilentEffect() : AudioEffectX(answerIdleHost, 1, 1) {}
    void processReplacing(float** /*inputs*/, float** /*outputs*/, int32 /*sampleFrames*/) override {}
};

class EditorIdle : public ::testing::Test {
protected:
    void SetUp() override
    {
        currentHost = &host;
        host.effect = effect.getAeffect();
        editor = new IdleEditor(&effect, window.handle());
    }
    void TearDown() override { currentHost = nullptr; }

    IdleHost host;
    HostWindow window{20, 20, nullptr, 40, 40};
    SilentEffect effect;
    IdleEditor* editor = nullptr;  // owned by the effect
};
} // namespace

TEST_F(EditorIdle, TheEditorRegistersItselfWithItsEffect)
{
    EXPECT_EQ(effect.getEditor(), editor);
    EXPECT_EQ(effect.getAeffect()->flags & effFlagsHasEditor, effFlagsHasEditor);
    ERect* rect = nullptr;
    EXPECT_TRUE(editor->getRect(&rect));
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->right, 0);
    EXPECT_EQ(rect->bottom, 0);
}

TEST_F(EditorIdle, ACallRightAfterAnIdlePassSleepsBrieflyAndDoesNotIdle)
{
    editor->doIdleStuff();
    EXPECT_EQ(host.idleRequests, 1);
    EXPECT_EQ(editor->countingFrame->calls, 1);
    editor->doIdleStuff();
    EXPECT_EQ(host.idleRequests, 1);
    EXPECT_EQ(editor->countingFrame->calls, 1);
}

TEST_F(EditorIdle, AHostAnsweringIdleWithEditIdleDoesNotReenterTheFrame)
{
    host.answerWithEditIdle = true;
    editor->doIdleStuff();
    EXPECT_EQ(host.idleRequests, 1);
    EXPECT_EQ(editor->countingFrame->calls, 1);
    EXPECT_EQ(editor->countingFrame->nestedCalls, 0);
    effect.dispatcher(effEditIdle, 0, 0, nullptr, 0.0f);
    EXPECT_EQ(editor->countingFrame->calls, 2);
}

TEST_F(EditorIdle, TheKnobModeIsOneSettingForEveryFrame)
{
    EXPECT_EQ(effect.dispatcher(effSetEditKnobMode, 0, 2, nullptr, 0.0f), 1);
    EXPECT_EQ(editor->countingFrame->getKnobMode(), 2);
    effect.dispatcher(effSetEditKnobMode, 0, 0, nullptr, 0.0f);
    EXPECT_EQ(editor->countingFrame->getKnobMode(), 0);
}

TEST_F(EditorIdle, KeysWithoutAFocusedViewAreNotTaken)
{
    VstKeyCode key = {};
    key.virt = 12;
    EXPECT_FALSE(editor->onKeyDown(key));
    EXPECT_FALSE(editor->onKeyUp(key));
}
