// The gallery's text edit under real input: the click opens the field with the control's look
// and the keyboard focus, Return, Escape, a click elsewhere and a long paste end the edit as
// they should, the echo label follows the text, keys the host forwards through effEditKeyDown
// reach the field, and closing the editor with the field open leaves nothing behind.
#include "PageCoordinates.h"
#include "GdiObjectCount.h"
#include "RealInput.h"
#include "RealKeyboard.h"
#include "pages/TextAndIndicatorsPage.h"

#include <gtest/gtest.h>

#include <string>

using namespace gallery;

namespace {
constexpr VSTGUI::CColor kEditText = {240, 236, 220, 255};
constexpr VSTGUI::CColor kEditBack = {52, 60, 84, 255};
constexpr unsigned char kVirtualReturn = 4;
constexpr unsigned char kVirtualEscape = 6;
constexpr unsigned char kVirtualBack = 1;
constexpr unsigned char kVirtualLeft = 11;
constexpr int kCycles = 1000;

POINT centreOf(const VSTGUI::CRect& area)
{
    return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

class GalleryTextEdit : public ::testing::Test {
protected:
    void SetUp() override
    {
        showPage(page, kTextIndicatorsPage);
        ASSERT_TRUE(page.openEditor());
        echoAtStart = echo();
    }

    void clickTheEdit() { page.click(onEditor({kTextEditArea.left + 20, centreOf(kTextEditArea).y})); }
    std::vector<VSTGUI::CColor> echo() const
    {
        return pagePixels(page, kTextEchoArea.left, kTextEchoArea.top, kTextEchoArea.right, kTextEchoArea.bottom);
    }
    void settle() { page.idle(5); }
    std::string fieldText() const
    {
        char buffer[512] = {};
        GetWindowTextA(page.textField(), buffer, sizeof buffer);
        return buffer;
    }
    // Opens the field again to read the text the control holds, and closes it unchanged.
    std::string textHeld()
    {
        clickTheEdit();
        const std::string held = fieldText();
        pressKey(VK_ESCAPE);
        settle();
        return held;
    }
    intptr forwardKey(int character, unsigned char virt = 0)
    {
        return page.host().dispatch(effEditKeyDown, character, virt, nullptr, 0.0f);
    }

    PanelHost page{kGalleryEditorSize};
    std::vector<VSTGUI::CColor> echoAtStart;
};
} // namespace

TEST_F(GalleryTextEdit, AClickOpensTheFieldOverTheControlInItsColoursWithTheFocus)
{
    clickTheEdit();
    const HWND field = page.textField();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(GetFocus(), field);
    RECT placed = {};
    GetWindowRect(field, &placed);
    MapWindowPoints(nullptr, page.frameWindow(), reinterpret_cast<POINT*>(&placed), 2);
    VSTGUI::CRect expected = kTextEditArea;
    expected.offset(kPageLeft, kPageTop);
    EXPECT_EQ(VSTGUI::CRect(placed.left, placed.top, placed.right, placed.bottom), expected);
    EXPECT_EQ(fieldText(), kTextEditStart);
    EXPECT_EQ(SendMessageA(field, WM_GETDLGCODE, VK_TAB, 0), DLGC_WANTALLKEYS);

    pressKey(VK_END);
    settle();
    InvalidateRect(field, nullptr, TRUE);
    UpdateWindow(field);
    const auto shown = pixelsOf(field, 0, 0, kTextEditArea.width(), kTextEditArea.height());
    int back = 0;
    int written = 0;
    for (const VSTGUI::CColor& color : shown) {
        back += color == kEditBack ? 1 : 0;
        written += color == kEditText ? 1 : 0;
    }
    EXPECT_GT(back, static_cast<int>(shown.size()) / 2);
    EXPECT_GT(written, 10);
    pressKey(VK_ESCAPE);
    settle();
}

TEST_F(GalleryTextEdit, TypingAndReturnSetTheTextAndTheEchoFollows)
{
    clickTheEdit();
    typeText("typed");
    pressKey(VK_RETURN);
    settle();
    EXPECT_EQ(page.textField(), nullptr);
    EXPECT_NE(echo(), echoAtStart) << "the echo shows the new text";
    EXPECT_EQ(textHeld(), "typed");

    clickTheEdit();
    typeText(kTextEditStart);
    pressKey(VK_RETURN);
    settle();
    EXPECT_EQ(echo(), echoAtStart) << "the echo shows the text it started with again";
}

TEST_F(GalleryTextEdit, EscapeAndAnUnchangedTextLeaveTheTextAndTheEcho)
{
    clickTheEdit();
    typeText("dropped");
    pressKey(VK_ESCAPE);
    settle();
    EXPECT_EQ(page.textField(), nullptr);
    EXPECT_EQ(echo(), echoAtStart);
    EXPECT_EQ(textHeld(), kTextEditStart);
}

TEST_F(GalleryTextEdit, AClickElsewhereTakesTheText)
{
    clickTheEdit();
    typeText("elsewhere");
    page.click(onEditor({kTextEchoArea.left + 5, kPageHeight - 20}));
    EXPECT_EQ(page.textField(), nullptr);
    EXPECT_NE(echo(), echoAtStart);
    EXPECT_EQ(textHeld(), "elsewhere");
}

TEST_F(GalleryTextEdit, ALongerPasteIsCutAt255)
{
    std::string pasted;
    for (int i = 0; i < 400; ++i)
        pasted += static_cast<char>('A' + i % 26);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, pasted.size() + 1);
    CopyMemory(GlobalLock(memory), pasted.c_str(), pasted.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();

    clickTheEdit();
    pressKey('V', VK_CONTROL);
    pressKey(VK_RETURN);
    settle();
    EXPECT_EQ(textHeld(), pasted.substr(0, 255));
}

TEST_F(GalleryTextEdit, KeysForwardedThroughEffEditKeyDownReachTheOpenField)
{
    clickTheEdit();
    ASSERT_NE(page.textField(), nullptr);
    for (const char c : std::string("hots"))
        EXPECT_EQ(forwardKey(c), 1);
    forwardKey(0, kVirtualLeft);
    forwardKey(0, kVirtualBack);
    forwardKey('s');
    EXPECT_EQ(fieldText(), "hoss");
    EXPECT_EQ(forwardKey(0, kVirtualReturn), 1);
    settle();
    EXPECT_EQ(page.textField(), nullptr);
    EXPECT_NE(echo(), echoAtStart);
    EXPECT_EQ(textHeld(), "hoss");

    clickTheEdit();
    forwardKey('x');
    EXPECT_EQ(forwardKey(0, kVirtualEscape), 1);
    settle();
    EXPECT_EQ(page.textField(), nullptr);
    EXPECT_EQ(textHeld(), "hoss");
}

// The button is held down once for the whole run, so each cycle's press is a message alone.
TEST_F(GalleryTextEdit, ClosingTheEditorWithTheFieldOpenLeavesNothingBehind)
{
    const POINT inside = {kPageLeft + kTextEditArea.left + 10, kPageTop + kTextEditArea.top + 5};
    POINT screen = inside;
    ClientToScreen(page.frameWindow(), &screen);
    moveCursorTo(screen);
    pressLeftButton(true);
    const auto cycle = [&] {
        if (page.frameWindow() == nullptr)
            page.host().dispatch(effEditOpen, 0, 0, page.window().handle());
        SendMessageA(page.frameWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inside.x, inside.y));
        const bool opened = page.textField() != nullptr;
        page.closeEditor();
        return opened;
    };
    page.idle();
    cycle();
    const int before = countGdiObjects();
    int opened = 0;
    for (int i = 0; i < kCycles; ++i)
        opened += cycle() ? 1 : 0;
    pressLeftButton(false);
    EXPECT_EQ(opened, kCycles);
    EXPECT_EQ(countGdiObjects(), before);
    EXPECT_EQ(childWindowCount(page.window().handle()), 0) << "no frame and no field left behind";
}
