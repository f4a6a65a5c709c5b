// The system's file dialog: choose a file to open, several files, a file name to save to, or
// a folder. gui/platform/win32/ shows the common dialogs and the folder browser; the Linux
// backend runs the desktop's dialog program (zenity or kdialog) as a child process.
#pragma once

#include <string>
#include <vector>

namespace VSTGUI::platform {

enum class FileDialogKind { open, openMultiple, save, folder };

struct FileFilter {
    std::string display;
    // Patterns such as "*.wav", separated by ";".
    std::string pattern;
};

// What a dialog shown as a child process needs from its caller while it waits.
class FileDialogWait {
public:
    virtual ~FileDialogWait() = default;
    // Drains the editor's events and idles the host; false once the editor is gone, which
    // cancels the dialog.
    virtual bool keepAlive() = 0;
};

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::open;
    // The window the dialog belongs to; may be null.
    void* owner = nullptr;
    std::string title;
    // Empty for the dialog's own choice.
    std::string initialDirectory;
    // In the order shown; the first is selected.
    std::vector<FileFilter> filters;
    // Without the dot; empty for none. Save dialogs only.
    std::string defaultExtension;
    // Null when nobody needs to be kept alive.
    FileDialogWait* wait = nullptr;
};

enum class FileDialogOutcome { accepted, cancelled, unavailable };

struct FileDialogResult {
    FileDialogOutcome outcome = FileDialogOutcome::cancelled;
    // Full paths, one at least when accepted.
    std::vector<std::string> paths;
};

// Blocks the calling thread until the dialog closes.
FileDialogResult showFileDialog(const FileDialogRequest& request);

} // namespace VSTGUI::platform
