// Numbers given on kvhost's command line, checked before they are used: a text that is not a
// number, or one outside the option's range, is a usage error naming the option.
#pragma once

#include <string>

double numberArgument(const std::string& text, const std::string& option);
long wholeNumberArgument(const std::string& text, const std::string& option, long lowest, long highest);
