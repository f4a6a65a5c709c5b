// The gallery's text edit and option menus on X11 under real input: the field opens over the
// control with the keyboard focus and ends on Return, Escape and a click elsewhere; the menu's
// override-redirect window answers the keyboard at every depth and lets its grabs go on every
// way out; closing the editor with either open leaves no window behind.
#include "GalleryX11Fixture.h"
#include "pages/MenuPage.h"
#include "pages/TextAndIndicatorsPage.h"

#include <atomic>
#include <chrono>
#include <string>

using namespace gallery;

namespace {
// Menus and fields appear within this many polls of a few milliseconds, or never.
constexpr int kPolls = 1000;
constexpr auto kPollPause = std::chrono::milliseconds(5);
constexpr int kNestedCount = 7;
constexpr int kTypedTooMany = 300;
constexpr unsigned char kVirtualBack = 1;
constexpr unsigned char kVirtualReturn = 4;

float entryValue(int index, int count)
{
    return static_cast<float>(index) / static_cast<float>(count - 1);
}

class X11GalleryEditing : public X11Gallery {
protected:
    // The frame's child windows: the open text fields.
    std::vector<Window> fields() const { return childWindowsOf(display, gallery->editorWindow()); }

    Window openField()
    {
        clickAt(kPageLeft + kTextEditArea.left + 20, kPageTop + (kTextEditArea.top + kTextEditArea.bottom) / 2);
        gallery->idle();
        const std::vector<Window> open = fields();
        return open.size() == 1 ? open.front() : 0;
    }

    void type(const std::string& text)
    {
        FakeInput input;
        for (const char character : text)
            input.tapKey(std::string(1, character).c_str());
        gallery->idle(2);
    }

    void tap(const char* key)
    {
        FakeInput input;
        input.tapKey(key);
        gallery->idle(2);
    }

    // Opens the field again to read the text the control holds, and leaves it unchanged.
    std::string textHeld()
    {
        const Window field = openField();
        const std::string held = field != 0 ? windowName(display, field) : "no field";
        tap("Escape");
        return held;
    }

    std::vector<PanelPixel> echo() const
    {
        return gallery->pixels(kPageLeft + kTextEchoArea.left, kPageTop + kTextEchoArea.top,
                               kPageLeft + kTextEchoArea.right, kPageTop + kTextEchoArea.bottom);
    }

    // Clicks the menu; once its window is up and its loop is running (the plug-in asks for
    // idle from there), another connection presses the keys, then clicks outside the menu when
    // told. Without either the menu must end by itself. Answers where the window was.
    WindowPlace popUp(const VSTGUI::CRect& menu, const std::vector<const char*>& keys, bool clickOutside = false)
    {
        WindowPlace place = {-1, -1, 0, 0};
        std::atomic<bool> returned{false};
        FakeInput input;
        input.moveTo(kPageLeft + (menu.left + menu.right) / 2, kPageTop + (menu.top + menu.bottom) / 2);
        std::thread user([&] {
            Display* own = openTestDisplay();
            std::vector<Window> shown;
            for (int poll = 0; poll < kPolls && shown.empty() && !returned; ++poll) {
                std::this_thread::sleep_for(kPollPause);
                shown = shownPopupWindows(own);
            }
            FakeInput keyboard;
            if (!shown.empty())
                place = windowPlace(own, shown.front());
            if (!shown.empty() && (clickOutside || !keys.empty())) {
                gallery->awaitIdleRequests(1);
                for (const char* key : keys)
                    keyboard.tapKey(key);
                if (clickOutside) {
                    keyboard.moveTo(kEditorWidth - 10, kEditorHeight - 10);
                    keyboard.click(kPrimary);
                }
            }
            closeTestDisplay(own);
        });
        input.click(kPrimary);
        gallery->idle();
        returned = true;
        user.join();
        gallery->idle(2);
        return place;
    }

    void expectNothingLeft()
    {
        EXPECT_TRUE(shownPopupWindows(display).empty()) << "no menu window is left";
        EXPECT_TRUE(inputGrabbable(display)) << "another program can grab the pointer and keyboard";
    }
};
} // namespace

TEST_F(X11GalleryEditing, TheFieldOpensOverTheEditAndEndsOnReturnEscapeAndAClickElsewhere)
{
    showPage(kTextIndicatorsPage);
    const std::vector<PanelPixel> echoAtStart = echo();
    const Window field = openField();
    ASSERT_NE(field, 0u);
    const WindowPlace place = windowPlace(display, field);
    EXPECT_EQ(place.x, kPageLeft + kTextEditArea.left);
    EXPECT_EQ(place.y, kPageTop + kTextEditArea.top);
    EXPECT_EQ(place.width, kTextEditArea.width());
    EXPECT_EQ(place.height, kTextEditArea.height());
    EXPECT_EQ(gallery->inputFocus(), field);
    EXPECT_EQ(windowName(display, field), kTextEditStart);

    gallery->listenForKeys();
    type("typed");
    tap("Return");
    EXPECT_TRUE(fields().empty());
    tap("F2");
    EXPECT_EQ(gallery->keysAtParent("F2").size(), 2u) << "the field's keys stay with it; F2 on the page goes to the host";
    EXPECT_NE(echo(), echoAtStart) << "the echo shows the new text";
    EXPECT_EQ(textHeld(), "typed");

    ASSERT_NE(openField(), 0u);
    type("dropped");
    tap("Escape");
    EXPECT_TRUE(fields().empty());
    EXPECT_EQ(textHeld(), "typed") << "Escape keeps the old text";

    ASSERT_NE(openField(), 0u);
    type("elsewhere");
    clickAt(kPageLeft + 300, kPageTop + 380);
    gallery->idle(2);
    EXPECT_TRUE(fields().empty());
    EXPECT_EQ(textHeld(), "elsewhere") << "the click elsewhere took the text";

    // A host that keeps the keyboard forwards the keys through effEditKeyDown instead.
    const Window forwarded = openField();
    ASSERT_NE(forwarded, 0u);
    gallery->dispatch(effEditKeyDown, 'k', 0);
    gallery->dispatch(effEditKeyDown, 'o', 0);
    gallery->dispatch(effEditKeyDown, 0, kVirtualBack);
    EXPECT_EQ(windowName(display, forwarded), "k");
    gallery->dispatch(effEditKeyDown, 0, kVirtualReturn);
    gallery->idle();
    EXPECT_TRUE(fields().empty());
    EXPECT_EQ(textHeld(), "k");

    const Window full = openField();
    ASSERT_NE(full, 0u);
    type(std::string(kTypedTooMany, 'x'));
    EXPECT_EQ(windowName(display, full), std::string(255, 'x'));
    tap("Return");
    EXPECT_EQ(textHeld(), std::string(255, 'x'));
}

TEST_F(X11GalleryEditing, TheMenuChoosesByKeyboardAtEveryDepthAndLetsItsGrabsGoOnEachWayOut)
{
    showPage(kMenuPage);
    const WindowPlace place = popUp(kNestedMenuArea, {"Down", "Return"});
    EXPECT_EQ(place.x, kPageLeft + kNestedMenuArea.left) << "the menu opens under the control";
    EXPECT_EQ(place.y, kPageTop + kNestedMenuArea.bottom);
    const int piano = 1;
    EXPECT_FLOAT_EQ(gallery->parameter(kNestedMenu), entryValue(piano, kNestedCount));
    expectNothingLeft();

    // Down skips the separator and the grey entry on its way to the strings.
    popUp(kNestedMenuArea, {"Down", "Down", "Down", "Right", "Down", "Down", "Right", "Down", "Return"});
    const int bass = 1;
    EXPECT_FLOAT_EQ(gallery->parameter(kNestedDeepMenu), entryValue(bass, 3));
    EXPECT_FLOAT_EQ(gallery->parameter(kNestedMenu), entryValue(piano, kNestedCount)) << "the outer menu stays";
    expectNothingLeft();

    const float column = gallery->parameter(kColumnMenu);
    popUp(kColumnMenuArea, {"Down"}, true);
    EXPECT_FLOAT_EQ(gallery->parameter(kColumnMenu), column) << "a click outside chooses nothing";
    expectNothingLeft();

    const float scheme = gallery->parameter(kSchemeMenu);
    popUp(kSchemeMenuArea, {"Down", "Down", "Escape"});
    EXPECT_FLOAT_EQ(gallery->parameter(kSchemeMenu), scheme) << "Escape chooses nothing";
    expectNothingLeft();
}

TEST_F(X11GalleryEditing, ClosingTheEditorWithTheFieldOrAMenuOpenLeavesNothingBehind)
{
    showPage(kTextIndicatorsPage);
    ASSERT_NE(openField(), 0u);
    gallery->closeEditor();
    EXPECT_EQ(gallery->childWindowCount(), 0);
    ASSERT_TRUE(gallery->openEditor());

    showPage(kMenuPage);
    bool closed = false;
    gallery->onIdleRequest([&] {
        if (shownPopupWindows(display).empty())
            return false;
        gallery->dispatch(effEditIdle);
        gallery->parameter(kNestedMenu);
        gallery->closeEditor();
        closed = true;
        return true;
    });
    popUp(kNestedMenuArea, {});
    EXPECT_TRUE(closed);
    EXPECT_EQ(gallery->childWindowCount(), 0);
    expectNothingLeft();
    ASSERT_TRUE(gallery->openEditor());
}
