// The editing rules of the self-drawn X11 text field: the text starts selected and cut at the
// field's limit, typing and pastes replace the selection and stop at the limit, erasing and the
// arrows treat a selection as Windows' fields do, and Shift or a drag extend it.
#include "platform/TextField.h"
#include "platform/x11/TextFieldEditing.h"

#include <gtest/gtest.h>

#include <string>

using VSTGUI::platform::kTextFieldMaxChars;
using VSTGUI::platform::TextFieldEditing;

TEST(TextFieldEditing, StartsSelectedAndCutAndNeverGrowsPastTheLimit)
{
    TextFieldEditing overlong(std::string(300, 'a').c_str());
    EXPECT_EQ(overlong.text().size(), kTextFieldMaxChars);
    EXPECT_EQ(overlong.selectionStart(), 0u);
    EXPECT_EQ(overlong.selectionEnd(), kTextFieldMaxChars);

    TextFieldEditing field("Edit me");
    field.insert("new");
    EXPECT_EQ(field.text(), "new") << "typing replaces the selected text";
    field.insert(std::string(300, 'b'));
    EXPECT_EQ(field.text().size(), kTextFieldMaxChars);
    EXPECT_EQ(field.text().substr(0, 3), "new");
    EXPECT_EQ(field.caret(), kTextFieldMaxChars);
    field.insert("c");
    EXPECT_EQ(field.text().size(), kTextFieldMaxChars) << "a full field takes no more";

    TextFieldEditing withControls(nullptr);
    withControls.insert(std::string("a\tb\x7f" "c\n"));
    EXPECT_EQ(withControls.text(), "abc") << "control characters are no text";
}

TEST(TextFieldEditing, ErasingAndArrowsTreatTheSelectionAsOneAndShiftExtendsIt)
{
    TextFieldEditing field("abcdef");
    field.moveLeft(false);
    EXPECT_EQ(field.caret(), 0u) << "Left drops the selection at its start";
    field.erase(true);
    EXPECT_EQ(field.text(), "abcdef") << "nothing before the start";
    field.moveRight(true);
    field.moveRight(true);
    EXPECT_EQ(field.selectionEnd() - field.selectionStart(), 2u);
    field.erase(false);
    EXPECT_EQ(field.text(), "cdef") << "Delete takes the selection, not one more";
    field.placeCaret(field.text().size(), false);
    field.erase(true);
    EXPECT_EQ(field.text(), "cde");
    field.erase(false);
    EXPECT_EQ(field.text(), "cde") << "nothing after the end";

    field.placeCaret(1, false);
    field.placeCaret(3, true);
    EXPECT_EQ(field.selectionStart(), 1u);
    EXPECT_EQ(field.selectionEnd(), 3u);
    field.moveRight(false);
    EXPECT_EQ(field.caret(), 3u) << "Right drops the selection at its end";
    EXPECT_EQ(field.selectionStart(), field.selectionEnd());
    field.placeCaret(99, false);
    EXPECT_EQ(field.caret(), 3u) << "the caret stays inside the text";
    field.selectAll();
    field.insert("x");
    EXPECT_EQ(field.text(), "x");
}
