// The file dialog on Windows: the common open and save dialogs for files, the shell's folder
// browser for folders. Both need COM on the calling thread; a thread the host set up for
// another apartment model already has it and keeps its setup.
#include "../FileDialog.h"

#include "ModuleInstance.h"

#include <windows.h>

#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>

namespace VSTGUI::platform {

namespace {
constexpr DWORD kSingleFileChars = 1024;
constexpr DWORD kMultipleFileChars = 102400;
constexpr DWORD kFileTitleChars = 64;
constexpr std::size_t kCaptionChars = 323;

class ComScope {
public:
    ComScope() : result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope()
    {
        if (SUCCEEDED(result))
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT result;
};

// Pairs of display text and pattern, each terminated, the list ending with one more.
std::string filterList(const std::vector<FileFilter>& filters)
{
    std::string list;
    for (const FileFilter& filter : filters) {
        list += filter.display;
        list += '\0';
        list += filter.pattern;
        list += '\0';
    }
    return list;
}

// The save dialog's caption names the folder it shows.
UINT_PTR CALLBACK captionHook(HWND dialog, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, GWLP_USERDATA, static_cast<LONG_PTR>(lParam));
        return 0;
    }
    if (message != WM_NOTIFY || reinterpret_cast<const NMHDR*>(lParam)->code != CDN_FOLDERCHANGE)
        return 0;
    HWND explorer = GetParent(dialog);
    const auto* settings = reinterpret_cast<const OPENFILENAMEA*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
    std::string title = settings != nullptr && settings->lpstrTitle != nullptr ? settings->lpstrTitle : "";
    if (title.empty()) {
        char caption[kCaptionChars + 1] = {};
        GetWindowTextA(explorer, caption, sizeof(caption));
        title = caption;
        const std::size_t dash = title.find('-');
        if (dash != std::string::npos)
            title.resize(dash > 0 ? dash - 1 : 0);
    }
    char folder[MAX_PATH] = {};
    SendMessageA(explorer, CDM_GETFOLDERPATH, sizeof(folder), reinterpret_cast<LPARAM>(folder));
    const std::string prefix = title + " - [";
    std::string shown = folder;
    if (prefix.size() + shown.size() + 1 > kCaptionChars)
        shown.resize(kCaptionChars - std::min(kCaptionChars, prefix.size() + 1));
    SetWindowTextA(explorer, (prefix + shown + "]").substr(0, kCaptionChars).c_str());
    return 0;
}

std::vector<std::string> selectedFiles(const std::vector<char>& buffer, WORD fileOffset, bool multiple)
{
    const char* first = buffer.data();
    // A multiple selection of several files gives the folder, then each name.
    if (!multiple || fileOffset == 0 || buffer[fileOffset - 1] != '\0')
        return {std::string(first)};
    std::string folder(first);
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
    std::vector<std::string> paths;
    for (const char* name = first + fileOffset; *name != '\0'; name += std::strlen(name) + 1)
        paths.push_back(folder + name);
    return paths;
}

FileDialogResult showFileDialogBox(const FileDialogRequest& request)
{
    const bool multiple = request.kind == FileDialogKind::openMultiple;
    const bool save = request.kind == FileDialogKind::save;
    std::vector<char> file(multiple ? kMultipleFileChars : kSingleFileChars, '\0');
    char fileTitle[kFileTitleChars] = {};
    const std::string filters = filterList(request.filters);

    OPENFILENAMEA settings = {};
    settings.lStructSize = sizeof(settings);
    settings.hwndOwner = static_cast<HWND>(request.owner);
    settings.hInstance = hInstance;
    settings.lpstrFilter = filters.empty() ? nullptr : filters.c_str();
    settings.nFilterIndex = 1;
    settings.lpstrFile = file.data();
    settings.nMaxFile = static_cast<DWORD>(file.size());
    settings.lpstrFileTitle = fileTitle;
    settings.nMaxFileTitle = kFileTitleChars;
    settings.lpstrInitialDir = request.initialDirectory.empty() ? nullptr : request.initialDirectory.c_str();
    settings.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    settings.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    settings.Flags = OFN_ENABLESIZING | OFN_EXPLORER | OFN_HIDEREADONLY;
    if (save) {
        settings.Flags |= OFN_ENABLEHOOK;
        settings.lpfnHook = captionHook;
    } else {
        settings.Flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    }
    if (multiple)
        settings.Flags |= OFN_ALLOWMULTISELECT;

    FileDialogResult result;
    if (!(save ? GetSaveFileNameA(&settings) : GetOpenFileNameA(&settings)) || file[0] == '\0')
        return result;
    result.paths = selectedFiles(file, settings.nFileOffset, multiple);
    result.outcome = FileDialogOutcome::accepted;
    return result;
}

int CALLBACK folderBrowserCallback(HWND browser, UINT message, LPARAM, LPARAM data)
{
    if (message == BFFM_INITIALIZED) {
        const auto* request = reinterpret_cast<const FileDialogRequest*>(data);
        if (!request->title.empty())
            SetWindowTextA(browser, request->title.c_str());
        if (!request->initialDirectory.empty())
            SendMessageA(browser, BFFM_SETSELECTIONA, TRUE,
                         reinterpret_cast<LPARAM>(request->initialDirectory.c_str()));
    }
    return 0;
}

FileDialogResult showFolderBrowser(const FileDialogRequest& request)
{
    char displayName[MAX_PATH] = {};
    BROWSEINFOA settings = {};
    settings.hwndOwner = static_cast<HWND>(request.owner);
    settings.pszDisplayName = displayName;
    settings.lpszTitle = request.title.empty() ? nullptr : request.title.c_str();
    settings.ulFlags = BIF_RETURNONLYFSDIRS;
    settings.lpfn = folderBrowserCallback;
    settings.lParam = reinterpret_cast<LPARAM>(&request);

    FileDialogResult result;
    LPITEMIDLIST chosen = SHBrowseForFolderA(&settings);
    if (chosen == nullptr)
        return result;
    char folder[MAX_PATH] = {};
    const bool named = SHGetPathFromIDListA(chosen, folder) != FALSE && folder[0] != '\0';
    CoTaskMemFree(chosen);
    if (named) {
        result.paths.push_back(folder);
        result.outcome = FileDialogOutcome::accepted;
    }
    return result;
}
} // namespace

FileDialogResult showFileDialog(const FileDialogRequest& request)
{
    ComScope com;
    return request.kind == FileDialogKind::folder ? showFolderBrowser(request) : showFileDialogBox(request);
}

} // namespace VSTGUI::platform
