// The headless text field keeps its text in memory; this lets a program without windows stand
// in for the user of the field that is open.
#pragma once

#include <string>

namespace VSTGUI::platform::headless {

// The field that is open now, if any.
bool isTextFieldOpen();
// Replaces the field's text as typing or pasting would, cut at the field's limit.
void typeIntoTextField(const std::string& text);
std::string textFieldText();
void pressReturnInTextField();
void pressEscapeInTextField();
void moveFocusFromTextField();

} // namespace VSTGUI::platform::headless
