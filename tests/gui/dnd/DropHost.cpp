#include "DropHost.h"

#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstdio>

using namespace VSTGUI;

DropHost::DropHost(DropReadout* view, int x, int y)
    : host(kWidth, kHeight, nullptr, x, y),
      frame(new CFrame(CRect(0, 0, kWidth, kHeight), host.handle())),
      readout(view != nullptr ? view : new DropReadout(readoutSize()))
{
    readout->remember();
    frame->addView(readout);
    pumpMessages();
}

DropHost::~DropHost()
{
    closeFrame();
    readout->forget();
}

void DropHost::closeFrame()
{
    if (frame != nullptr)
        frame->forget();
    frame = nullptr;
    pumpMessages();
}

CRect DropHost::readoutSize()
{
    return CRect(kMargin, kMargin, kWidth - kMargin, kHeight - kMargin);
}

POINT DropHost::screenPoint(int frameX, int frameY) const
{
    POINT point = {frameX, frameY};
    ClientToScreen(host.handle(), &point);
    return point;
}

std::string testFolder()
{
    static const std::string folder = [] {
        char base[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, base);
        char name[MAX_PATH] = {};
        std::snprintf(name, sizeof(name), "%skestrovanel drop tests %lu", base, GetCurrentProcessId());
        CreateDirectoryA(name, nullptr);
        return std::string(name);
    }();
    return folder;
}

void removeTestFolder()
{
    std::string folder = testFolder();
    folder.push_back('\0');
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = folder.c_str();
    operation.fFlags = FOF_NO_UI;
    SHFileOperationA(&operation);
}

std::string makeFile(const std::string& name, const std::string& contents)
{
    const std::string path = testFolder() + "\\" + name;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file != nullptr) {
        std::fwrite(contents.data(), 1, contents.size(), file);
        std::fclose(file);
    }
    return path;
}

DroppedFiles makeDroppedFiles()
{
    DroppedFiles files{makeFile("first dropped.wav"), makeFile("second dropped.wav"), makeFile("shortcut target.wav"),
                       testFolder() + "\\to target.lnk", false};
    files.made = makeShortcut(files.shortcut, files.target);
    return files;
}

bool makeShortcut(const std::string& shortcutPath, const std::string& targetPath)
{
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return false;
    IPersistFile* file = nullptr;
    bool saved = SUCCEEDED(link->SetPath(targetPath.c_str())) &&
                 SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)));
    if (saved) {
        wchar_t widePath[MAX_PATH] = {};
        MultiByteToWideChar(CP_ACP, 0, shortcutPath.c_str(), -1, widePath, MAX_PATH);
        saved = SUCCEEDED(file->Save(widePath, TRUE));
        file->Release();
    }
    link->Release();
    return saved;
}

std::string longPathOf(const std::string& path)
{
    char longPath[MAX_PATH] = {};
    const DWORD length = GetLongPathNameA(path.c_str(), longPath, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(longPath) : path;
}
