// The text edit on a real window under real input: a click opens its native field over the
// control with the keyboard focus; typing, Return, Escape, a click elsewhere and a paste end
// the edit as a person expects; the field answers for every key, also in a host that runs
// its window like a dialog, and takes the keys a host forwards to the editor instead.
#include "HostWindow.h"
#include "RealInput.h"
#include "RealKeyboard.h"

#include "CFont.h"
#include "CFrame.h"
#include "CViewContainer.h"
#include "controls/CControlListener.h"
#include "controls/CTextEdit.h"

#include <gtest/gtest.h>

#include <string>

using namespace VSTGUI;

namespace {
constexpr CColor kFieldText = {250, 220, 40, 255};
constexpr CColor kFieldBack = {20, 40, 120, 255};
constexpr int kSettlePasses = 10;
constexpr DWORD kSettleMs = 20;

class CountingListener : public CControlListener {
public:
    void valueChanged(CDrawContext* /*context*/, CControl* /*control*/) override { ++changes; }
    int changes = 0;
};

// A host whose message loop gives every message to IsDialogMessage first, as hosts that run
// their plug-in window inside a dialog do: keys reach the field only when it asks for them.
void pumpLikeADialog()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (IsDialogMessageA(desktopWindow(), &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

class TextEditInput : public ::testing::Test {
protected:
    TextEditInput()
    {
        frame->addView(panel);
        panel->addView(edit);
        edit->setFont(kFontLarge);
        edit->setFontColor(kFieldText);
        edit->setBackColor(kFieldBack);
        SetForegroundWindow(desktopWindow());
        settle();
    }
    ~TextEditInput() override { frame->forget(); }

    // Input arrives through the system's queue; a few passes let it all through.
    void settle(void (*pump)() = pumpMessages)
    {
        for (int pass = 0; pass < kSettlePasses; ++pass) {
            Sleep(kSettleMs);
            pump();
        }
    }

    // A real click at a point of the frame's window.
    void click(POINT framePoint)
    {
        ClientToScreen(frameWindowOf(*frame), &framePoint);
        InputThread thread([framePoint] { performClick(framePoint); });
        pumpUntilSignalled(thread.handle());
        settle();
    }
    void clickTheEdit() { click({60, 40}); }

    HWND field() const { return FindWindowExA(frameWindowOf(*frame), nullptr, "EDIT", nullptr); }
    std::string fieldText() const
    {
        char buffer[512] = {};
        GetWindowTextA(field(), buffer, sizeof buffer);
        return buffer;
    }
    std::string text() const
    {
        char buffer[kTextEditBytes];
        edit->getText(buffer);
        return buffer;
    }
    std::int32_t forwardKey(std::int32_t character, unsigned char virt = 0)
    {
        VstKeyCode code = {character, virt, 0, {0, 0}};
        return frame->onKeyDown(code);
    }

    HostWindow host{300, 120, nullptr, 100, 80};
    CountingListener listener;
    CFrame* frame = new CFrame(CRect(0, 0, 300, 120), host.handle());
    CViewContainer* panel = new CViewContainer(CRect(10, 10, 290, 110), frame);
    // At (30, 30, 230, 54) in the frame's window.
    CTextEdit* edit = new CTextEdit(CRect(20, 20, 220, 44), &listener, 1, "old");
};

void putOnClipboard(const std::string& text)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    CopyMemory(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}
} // namespace

TEST_F(TextEditInput, AClickOpensTheFieldOverTheControlWithTheKeyboardFocusAndTheControlsLook)
{
    clickTheEdit();
    const HWND opened = field();
    ASSERT_NE(opened, nullptr) << "the field is a child of the frame's own window";
    EXPECT_TRUE(edit->isEditing());
    EXPECT_EQ(frame->getFocusView(), edit);
    EXPECT_EQ(GetFocus(), opened);
    RECT placed = {};
    GetWindowRect(opened, &placed);
    MapWindowPoints(nullptr, frameWindowOf(*frame), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(CRect(placed.left, placed.top, placed.right, placed.bottom), CRect(30, 30, 230, 54));
    EXPECT_EQ(fieldText(), "old");
    DWORD from = 1;
    DWORD to = 0;
    SendMessageA(opened, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 3u) << "all text selected";

    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(opened, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, gStandardFontName[kFontLarge]);
    EXPECT_EQ(font.lfHeight, -gStandardFontSize[kFontLarge]);

    // Unselected, the text shows in the control's colours.
    pressKey(VK_END);
    settle();
    InvalidateRect(opened, nullptr, TRUE);
    UpdateWindow(opened);
    const auto shown = pixelsOf(opened, 0, 0, 200, 24);
    int back = 0;
    int written = 0;
    for (const CColor& color : shown) {
        back += color == kFieldBack ? 1 : 0;
        written += color == kFieldText ? 1 : 0;
    }
    EXPECT_GT(back, static_cast<int>(shown.size()) / 2);
    EXPECT_GT(written, 10) << "the text in the font colour";
}

TEST_F(TextEditInput, TypingThenReturnSetsTheTextAndTellsTheListenerOnce)
{
    clickTheEdit();
    ASSERT_NE(field(), nullptr);
    typeText("typed here");
    settle();
    EXPECT_EQ(fieldText(), "typed here") << "the typing replaces the selected text";
    EXPECT_EQ(listener.changes, 0);
    pressKey(VK_RETURN);
    settle();
    EXPECT_EQ(field(), nullptr);
    EXPECT_EQ(text(), "typed here");
    EXPECT_EQ(listener.changes, 1);
    EXPECT_TRUE(edit->wasReturnPressed());
    EXPECT_EQ(frame->getFocusView(), nullptr);
}

TEST_F(TextEditInput, EscapeOrAnUnchangedTextTellsNoOne)
{
    clickTheEdit();
    typeText("thrown away");
    settle();
    pressKey(VK_ESCAPE);
    settle();
    EXPECT_EQ(field(), nullptr);
    EXPECT_EQ(text(), "old");

    clickTheEdit();
    ASSERT_NE(field(), nullptr);
    typeText("old");
    pressKey(VK_RETURN);
    settle();
    EXPECT_EQ(field(), nullptr);
    EXPECT_EQ(text(), "old");
    EXPECT_EQ(listener.changes, 0);
}

TEST_F(TextEditInput, AClickElsewhereOrTheFocusGoingAwayTakesTheText)
{
    clickTheEdit();
    typeText("clicked away");
    settle();
    click({260, 100});
    EXPECT_EQ(field(), nullptr);
    EXPECT_EQ(text(), "clicked away");
    EXPECT_EQ(listener.changes, 1);
    EXPECT_FALSE(edit->wasReturnPressed());

    clickTheEdit();
    typeText("focus moved");
    settle();
    SetFocus(host.handle());
    settle();
    EXPECT_EQ(field(), nullptr);
    EXPECT_EQ(text(), "focus moved");
    EXPECT_EQ(listener.changes, 2);
}

TEST_F(TextEditInput, ALongerPasteIsCutAt255Characters)
{
    std::string pasted;
    for (int i = 0; i < 300; ++i)
        pasted += static_cast<char>('a' + i % 26);
    putOnClipboard(pasted);
    clickTheEdit();
    pressKey('V', VK_CONTROL);
    settle();
    EXPECT_EQ(fieldText().size(), 255u);
    pressKey(VK_RETURN);
    settle();
    EXPECT_EQ(text(), pasted.substr(0, 255));
    EXPECT_EQ(listener.changes, 1);
}

TEST_F(TextEditInput, InADialogHostTheFieldStillGetsArrowsTabEscapeAndReturn)
{
    clickTheEdit();
    const HWND opened = field();
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(SendMessageA(opened, WM_GETDLGCODE, VK_TAB, 0), DLGC_WANTALLKEYS);
    typeText("abc");
    pressKey(VK_LEFT);
    pressKey(VK_LEFT);
    typeText("X");
    settle(pumpLikeADialog);
    EXPECT_EQ(fieldText(), "aXbc");
    pressKey(VK_TAB);
    settle(pumpLikeADialog);
    EXPECT_EQ(field(), opened) << "Tab stays in the field";
    EXPECT_EQ(GetFocus(), opened);
    pressKey(VK_ESCAPE);
    settle(pumpLikeADialog);
    EXPECT_EQ(field(), nullptr);
    EXPECT_EQ(text(), "old");

    clickTheEdit();
    typeText("kept");
    pressKey(VK_RETURN);
    settle(pumpLikeADialog);
    EXPECT_EQ(field(), nullptr);
    EXPECT_EQ(text(), "kept");
    EXPECT_EQ(listener.changes, 1);
}

// A host that keeps the keyboard to itself hands the keys to the editor, whose onKeyDown
// hands them to the frame.
TEST_F(TextEditInput, KeysTheHostForwardsThroughTheEditorReachTheOpenField)
{
    clickTheEdit();
    ASSERT_NE(field(), nullptr);
    for (const char c : std::string("abd"))
        EXPECT_EQ(forwardKey(c), 1);
    forwardKey(0, VKEY_LEFT);
    forwardKey('c');
    forwardKey(0, VKEY_END);
    forwardKey('!');
    forwardKey(0, VKEY_BACK);
    forwardKey(0, VKEY_SPACE);
    EXPECT_EQ(fieldText(), "abcd ");
    EXPECT_EQ(forwardKey(0, VKEY_RETURN), 1);
    EXPECT_EQ(field(), nullptr);
    EXPECT_EQ(text(), "abcd ");
    EXPECT_EQ(listener.changes, 1);

    clickTheEdit();
    forwardKey('z');
    EXPECT_EQ(forwardKey(0, VKEY_ESCAPE), 1);
    EXPECT_EQ(field(), nullptr);
    EXPECT_EQ(text(), "abcd ");
    EXPECT_EQ(listener.changes, 1);
    EXPECT_EQ(forwardKey('q'), -1) << "no field, no key taken";
}
