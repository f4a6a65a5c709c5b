// The text edit through the headless text field: what opening and closing the field does to
// the text, the listener, the host's edit gesture and the frame's focus.
#include "ControlFixture.h"

#include "controls/CTextEdit.h"
#include "platform/headless/HeadlessTextField.h"

#include <cctype>
#include <cstring>
#include <string>

using namespace VSTGUI;
namespace field = VSTGUI::platform::headless;

namespace {
class TextEdits : public ControlFixture {
protected:
    ~TextEdits() override { field::moveFocusFromTextField(); }

    void click(std::int32_t buttons = kMouseLeft)
    {
        CPoint where(15, 25);
        edit->mouse(context, where, buttons);
    }
    std::string text() const
    {
        char buffer[kTextEditBytes];
        edit->getText(buffer);
        return buffer;
    }

    CTextEdit* edit = add(new CTextEdit(CRect(10, 20, 110, 40), &listener, 4, "start"));
};

void upper(char* text, char* display)
{
    std::string shown(text);
    for (auto& c : shown)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::snprintf(display, kTextEditBytes, "%s", shown.c_str());
}

void fillWhole(char* /*text*/, char* display)
{
    std::memset(display, 'x', kTextEditBytes);
}

void asTenths(float value, char* text)
{
    std::snprintf(text, kTextEditBytes, "%.1f", static_cast<double>(value));
}
} // namespace

TEST_F(TextEdits, ReturnTakesTheTextTellsTheListenerAndEndsTheGesture)
{
    click();
    ASSERT_TRUE(field::isTextFieldOpen());
    EXPECT_EQ(field::textFieldText(), "start");
    EXPECT_EQ(frame->getFocusView(), edit);
    EXPECT_EQ(edits.begins, (std::vector<int>{4}));
    click();
    EXPECT_EQ(edits.begins.size(), 1u) << "a click on the focused edit does nothing";

    field::typeIntoTextField("typed");
    field::pressReturnInTextField();
    EXPECT_FALSE(field::isTextFieldOpen());
    EXPECT_TRUE(edit->wasReturnPressed());
    EXPECT_EQ(text(), "typed");
    EXPECT_EQ(listener.values.size(), 1u);
    EXPECT_NE(listener.contexts[0], nullptr);
    EXPECT_EQ(edits.ends, (std::vector<int>{4})) << "one end for one begin";
    EXPECT_EQ(frame->getFocusView(), nullptr);
}

TEST_F(TextEdits, FocusLossTakesTheTextAndAnUnchangedTextTellsNoOne)
{
    click();
    field::typeIntoTextField("other");
    field::moveFocusFromTextField();
    EXPECT_FALSE(edit->wasReturnPressed());
    EXPECT_EQ(text(), "other");
    EXPECT_EQ(listener.values.size(), 1u);

    click();
    field::pressReturnInTextField();
    EXPECT_EQ(listener.values.size(), 1u) << "the same text again";

    click();
    frame->setFocusView(nullptr);
    EXPECT_FALSE(field::isTextFieldOpen()) << "the frame moving the focus away closes the field";
    EXPECT_EQ(edits.ends.size(), 3u);
}

TEST_F(TextEdits, ALongPasteIsCutAt255Characters)
{
    click();
    field::typeIntoTextField(std::string(1000, 'p'));
    field::pressReturnInTextField();
    EXPECT_EQ(text(), std::string(255, 'p'));
    edit->setText(std::string(600, 'q').c_str());
    EXPECT_EQ(text(), std::string(255, 'q'));
}

TEST_F(TextEdits, SetTextMarksDirtyOnlyOnAChange)
{
    edit->setDirty(false);
    edit->setText("start");
    EXPECT_FALSE(edit->isDirty());
    edit->setText("new");
    EXPECT_TRUE(edit->isDirty());
    edit->setDirty(false);
    edit->setText(nullptr);
    EXPECT_TRUE(edit->isDirty());
    EXPECT_EQ(text(), "");
    edit->setDirty(false);
    edit->setText(nullptr);
    EXPECT_FALSE(edit->isDirty());
    edit->getText(nullptr);
}

TEST_F(TextEdits, DrawingShowsTheConvertedTextAndNothingWhileEditing)
{
    const auto shows = [this](const std::string& shown) {
        fake::calls.clear();
        edit->draw(context);
        for (const auto& call : fake::calls)
            if (call.rfind("text \"" + shown + "\"", 0) == 0)
                return true;
        return false;
    };
    EXPECT_TRUE(shows("start"));
    edit->setTextEditConvert(upper);
    EXPECT_TRUE(shows("START"));
    edit->setTextEditConvert(fillWhole);
    EXPECT_TRUE(shows(std::string(255, 'x'))) << "a full buffer is still terminated";
    edit->setTextEditConvert(static_cast<TextToDisplay>(nullptr));
    edit->setStringConvert(asTenths);
    edit->setValue(0.25f);
    EXPECT_TRUE(shows("0.2"));
    EXPECT_EQ(text(), "0.2") << "the value's text becomes the text";

    click();
    fake::calls.clear();
    edit->draw(context);
    EXPECT_TRUE(fake::calls.empty());
    EXPECT_FALSE(edit->isDirty());
}

TEST_F(TextEdits, DoubleClickStyleOpensOnlyOnTheSecondClick)
{
    auto* twice = add(new CTextEdit(CRect(0, 0, 50, 20), &listener, 9, "x", nullptr, kDoubleClickStyle));
    CPoint where(5, 5);
    fake::input.tickCount = 1000;
    twice->mouse(context, where, kMouseLeft);
    EXPECT_FALSE(field::isTextFieldOpen());
    fake::input.tickCount = 1100;
    twice->mouse(context, where, kMouseLeft);
    EXPECT_TRUE(field::isTextFieldOpen());
    click(kMouseRight);
    EXPECT_EQ(frame->getFocusView(), twice);
    EXPECT_TRUE(twice->isTypeOf("CTextEdit") && twice->isTypeOf("CParamDisplay"));
}

TEST_F(TextEdits, RemovingTheControlWhileEditingLeavesNoFieldBehind)
{
    click();
    frame->removeView(edit);
    EXPECT_FALSE(field::isTextFieldOpen());
}

TEST_F(TextEdits, EscapeClosesTheFieldAndKeepsTheOldText)
{
    click();
    field::typeIntoTextField("discarded");
    field::pressEscapeInTextField();
    EXPECT_FALSE(field::isTextFieldOpen());
    EXPECT_EQ(text(), "start");
    EXPECT_TRUE(listener.values.empty());
    EXPECT_FALSE(edit->wasReturnPressed());
    EXPECT_EQ(frame->getFocusView(), nullptr);
    EXPECT_EQ(edits.ends, (std::vector<int>{4}));
}

// A host that keeps the keyboard hands every key to the editor, which hands it to the frame.
TEST_F(TextEdits, KeysTheHostForwardsAreTypedIntoTheOpenField)
{
    const auto key = [this](std::int32_t character, unsigned char virt = 0) {
        VstKeyCode code = {character, virt, 0, {0, 0}};
        return frame->onKeyDown(code);
    };
    EXPECT_EQ(key('a'), -1) << "no field, no key taken";
    click();
    for (const char c : std::string("abd"))
        EXPECT_EQ(key(c), 1);
    EXPECT_EQ(field::textFieldText(), "abd") << "the first key replaces the selected text";
    key(0, VKEY_LEFT);
    key('c');
    key(0, VKEY_END);
    key(0, VKEY_BACK);
    key(0, VKEY_HOME);
    key(0, VKEY_DELETE);
    key(0, VKEY_SPACE);
    key('\t');
    EXPECT_EQ(key(0, VKEY_TAB), 1) << "the open field keeps Tab";
    EXPECT_EQ(field::textFieldText(), " bc");
    EXPECT_EQ(frame->getFocusView(), edit);
    EXPECT_EQ(key(0, VKEY_RETURN), 1);
    EXPECT_FALSE(field::isTextFieldOpen());
    EXPECT_EQ(text(), " bc");
    EXPECT_EQ(listener.values.size(), 1u);
    EXPECT_TRUE(edit->wasReturnPressed());

    click();
    key('x');
    EXPECT_EQ(key(0, VKEY_ESCAPE), 1);
    EXPECT_EQ(text(), " bc");
    EXPECT_EQ(listener.values.size(), 1u);
    EXPECT_EQ(key('y'), -1);
}
