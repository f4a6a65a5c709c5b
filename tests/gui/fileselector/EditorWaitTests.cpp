// While the desktop's dialog is up, the editor that asked stays alive: the host's idle keeps
// coming, and an editor closed meanwhile (here by the host, from its idle) ends the dialog's
// process and cancels the request.
#include "AEffGUIEditor.h"
#include "CFileSelector.h"
#include "CFrame.h"
#include "FakeDialogProgram.h"
#include "SelectorEffect.h"
#include "TestParentWindow.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>

using VSTGUI::CFileSelector;

namespace {
constexpr int kEditorSize = 120;
constexpr int kIdlesBeforeClosing = 3;

class SelectorEditor : public AEffGUIEditor {
public:
    explicit SelectorEditor(AudioEffect* owner) : AEffGUIEditor(owner) {}
    ~SelectorEditor() override { close(); }

    bool open(void* parent) override
    {
        AEffGUIEditor::open(parent);
        frame = new VSTGUI::CFrame(VSTGUI::CRect(0, 0, kEditorSize, kEditorSize), parent, this);
        return frame->getPlatformWindow() != nullptr;
    }

    void close() override
    {
        if (frame != nullptr) {
            VSTGUI::CFrame* closing = frame;
            frame = nullptr;
            closing->forget();
        }
        AEffGUIEditor::close();
    }
};

bool processExists(int id)
{
    return kill(id, 0) == 0 || errno != ESRCH;
}

class EditorWait : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (parent.handle() == nullptr)
            GTEST_SKIP() << "no X display: set DISPLAY to an X server (Xvfb) to run the editor tests";
        ASSERT_TRUE(editor->open(parent.handle()));
    }

    TestParentWindow parent{kEditorSize, kEditorSize};
    FakeDialogProgram zenity{{"zenity"}};
    SelectorEffect effect;
    SelectorEditor* editor = new SelectorEditor(&effect);
};
} // namespace

TEST_F(EditorWait, TheHostIsIdledUntilTheDialogAnswers)
{
    zenity.hang();
    int dialogProcess = 0;
    effect.onIdle = [&] {
        if (effect.idleCount == kIdlesBeforeClosing) {
            dialogProcess = zenity.processId();
            ASSERT_NE(dialogProcess, 0);
            kill(dialogProcess, SIGKILL);
        }
    };
    VstFileSelect request = makeRequest(kVstFileLoad);
    CFileSelector selector(&effect);
    EXPECT_EQ(selector.run(&request), 0);
    EXPECT_GE(effect.idleCount, kIdlesBeforeClosing);
    EXPECT_NE(editor->getFrame(), nullptr);
}

TEST_F(EditorWait, ClosingTheEditorEndsTheDialogAndCancels)
{
    zenity.hang();
    effect.onIdle = [&] {
        if (effect.idleCount == kIdlesBeforeClosing)
            editor->close();
    };
    char buffer[64] = "previous";
    VstFileSelect request = makeRequest(kVstFileLoad);
    request.returnPath = buffer;
    CFileSelector selector(&effect);
    EXPECT_EQ(selector.run(&request), 0);
    EXPECT_EQ(editor->getFrame(), nullptr);
    EXPECT_EQ(effect.idleCount, kIdlesBeforeClosing);
    const int dialogProcess = zenity.processId();
    ASSERT_NE(dialogProcess, 0);
    EXPECT_FALSE(processExists(dialogProcess));
    EXPECT_STREQ(buffer, "");
}
