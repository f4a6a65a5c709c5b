// Windows shortcut files (".lnk") dropped from the shell stand for the files they point to.
#pragma once

#include <string>

namespace VSTGUI::platform {

bool isShortcutPath(const std::string& path);
// Replaces path with the short path of the shortcut's target; leaves it as it is when the
// shortcut cannot be read or resolved.
void resolveShortcut(std::string& path);

} // namespace VSTGUI::platform
