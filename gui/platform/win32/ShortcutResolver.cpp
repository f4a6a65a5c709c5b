// Resolving never shows user interface and gives up after half a second, so a shortcut to a
// vanished network share cannot hang the host's window thread.
#include "ShortcutResolver.h"

#include <windows.h>

#include <shlobj.h>
#include <shobjidl.h>

#include <cstring>
#include <vector>

namespace VSTGUI::platform {

namespace {
constexpr DWORD kResolveTimeoutMs = 500;
constexpr DWORD kResolveFlags = DWORD{SLR_NO_UI} | DWORD{SLR_ANY_MATCH} | (kResolveTimeoutMs << 16);
// The longest path the shell's link object gives out; a result that fills it is cut short.
constexpr int kTargetCapacity = 32768;

std::wstring widened(const std::string& path)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], length);
    wide.resize(static_cast<std::size_t>(length - 1));
    return wide;
}

bool readTarget(IShellLinkA& link, const std::string& path, std::string& target)
{
    IPersistFile* file = nullptr;
    if (FAILED(link.QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) || file == nullptr)
        return false;
    const std::wstring widePath = widened(path);
    bool resolved = !widePath.empty() && SUCCEEDED(file->Load(widePath.c_str(), STGM_READ)) &&
                    SUCCEEDED(link.Resolve(nullptr, kResolveFlags));
    if (resolved) {
        std::vector<char> buffer(kTargetCapacity, '\0');
        resolved = link.GetPath(buffer.data(), kTargetCapacity, nullptr, SLGP_SHORTPATH) == S_OK;
        const std::size_t length = resolved ? std::strlen(buffer.data()) : 0;
        resolved = length > 0 && length + 1 < static_cast<std::size_t>(kTargetCapacity);
        if (resolved)
            target.assign(buffer.data(), length);
    }
    file->Release();
    return resolved;
}
} // namespace

bool isShortcutPath(const std::string& path)
{
    const std::size_t dot = path.rfind('.');
    return dot != std::string::npos && lstrcmpiA(path.c_str() + dot, ".lnk") == 0;
}

void resolveShortcut(std::string& path)
{
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))) ||
        link == nullptr)
        return;
    std::string target;
    if (readTarget(*link, path, target))
        path = target;
    link->Release();
}

} // namespace VSTGUI::platform
