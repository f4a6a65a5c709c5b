// A frame in a host window with one drop readout in it, the drop target OLE registered for the
// frame's window, and real files and shortcuts to drop.
#pragma once

#include "DropReadout.h"
#include "DropRegistrationWatch.h"
#include "HostWindow.h"

#include <windows.h>

#include <ole2.h>

#include <string>

// The readout fills the frame but for a margin of 10 pixels on each side.
class DropHost {
public:
    // Takes over the caller's reference to view; a plain readout without one.
    explicit DropHost(DropReadout* view = nullptr, int x = 40, int y = 30);
    ~DropHost();

    DropHost(const DropHost&) = delete;
    DropHost& operator=(const DropHost&) = delete;

    HWND frameWindow() const { return frameWindowOf(*frame); }
    // A screen point inside the readout, given in frame coordinates.
    POINT screenPoint(int frameX, int frameY) const;
    // Closes the editor as a host does; the readout lives on for the test to inspect.
    void closeFrame();

    static VSTGUI::CRect readoutSize();

    static constexpr int kWidth = 300;
    static constexpr int kHeight = 200;
    static constexpr int kMargin = 10;

    HostWindow host;
    VSTGUI::CFrame* frame;
    DropReadout* readout;
};

// Files made for the test program in a folder of its own, removed at the end of the program.
std::string testFolder();
void removeTestFolder();
std::string makeFile(const std::string& name, const std::string& contents = "x");
// A shortcut written through the shell's link object; false when the shell could not write it.
bool makeShortcut(const std::string& shortcutPath, const std::string& targetPath);
// Two files to drop as a list, and a shortcut to a third: made is false when the shell could
// not write the shortcut.
struct DroppedFiles {
    std::string first;
    std::string second;
    std::string target;
    std::string shortcut;
    bool made;
};
DroppedFiles makeDroppedFiles();
// The same file named alike: shortcut targets come as short paths where the system has them.
std::string longPathOf(const std::string& path);
