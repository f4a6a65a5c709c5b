#include "PluginLibrary.h"

#include <cstdlib>

#if defined(_WIN32)
#include <windows.h>

namespace {
std::string ownDirectory()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text(path);
    return text.substr(0, text.find_last_of("\\/") + 1);
}
constexpr const char* kPluginFile = "kestrovanel.dll";
} // namespace

PluginLibrary::PluginLibrary(const std::string& path) : handle(LoadLibraryA(path.c_str())) {}

PluginLibrary::~PluginLibrary()
{
    if (handle != nullptr)
        FreeLibrary(static_cast<HMODULE>(handle));
}

PluginEntryProc PluginLibrary::entryPoint(const char* name) const
{
    if (handle == nullptr)
        return nullptr;
    // GetProcAddress returns a generic function pointer; go through void* to reach the real type.
    return reinterpret_cast<PluginEntryProc>(reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name)));
}
#else
#include <dlfcn.h>
#include <unistd.h>

namespace {
std::string ownDirectory()
{
    char path[4096] = {};
    const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    std::string text(path, length > 0 ? static_cast<std::size_t>(length) : 0);
    return text.substr(0, text.find_last_of('/') + 1);
}
constexpr const char* kPluginFile = "kestrovanel.so";
} // namespace

PluginLibrary::PluginLibrary(const std::string& path) : handle(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {}

PluginLibrary::~PluginLibrary()
{
    if (handle != nullptr)
        dlclose(handle);
}

PluginEntryProc PluginLibrary::entryPoint(const char* name) const
{
    return handle != nullptr ? reinterpret_cast<PluginEntryProc>(dlsym(handle, name)) : nullptr;
}
#endif

std::string PluginLibrary::builtPluginPath()
{
    if (const char* path = std::getenv("KV_PLUGIN"))
        return path;
    return ownDirectory() + kPluginFile;
}
