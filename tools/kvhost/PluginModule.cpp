#include "PluginModule.h"

#include "KvhostError.h"

#if defined(_WIN32)
#include <windows.h>

namespace {
constexpr const char* kPluginFile = "kestrovanel.dll";

std::string programDirectory()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string text(path);
    return text.substr(0, text.find_last_of("\\/") + 1);
}

void* load(const std::string& path)
{
    return LoadLibraryA(path.c_str());
}

void unload(void* handle)
{
    FreeLibrary(static_cast<HMODULE>(handle));
}

void* symbol(void* handle, const char* name)
{
    // GetProcAddress returns a generic function pointer; go through void* to reach the real type.
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name));
}

std::string loadError()
{
    return "Windows error " + std::to_string(GetLastError());
}
} // namespace
#else
#include <dlfcn.h>
#include <unistd.h>

namespace {
constexpr const char* kPluginFile = "kestrovanel.so";

std::string programDirectory()
{
    char path[4096] = {};
    const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    const std::string text(path, length > 0 ? static_cast<std::size_t>(length) : 0);
    return text.substr(0, text.find_last_of('/') + 1);
}

void* load(const std::string& path)
{
    return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void unload(void* handle)
{
    dlclose(handle);
}

void* symbol(void* handle, const char* name)
{
    return dlsym(handle, name);
}

std::string loadError()
{
    const char* message = dlerror();
    return message != nullptr ? message : "unknown error";
}
} // namespace
#endif

PluginModule::PluginModule(const std::string& libraryPath) : path(libraryPath), handle(load(libraryPath))
{
    if (handle == nullptr)
        throw KvhostError(path + ": cannot load plug-in (" + loadError() + ")");
}

PluginModule::~PluginModule()
{
    unload(handle);
}

PluginEntryProc PluginModule::pluginEntry() const
{
    for (const char* name : {"VSTPluginMain", "MAIN", "main"})
        if (void* entry = symbol(handle, name))
            return reinterpret_cast<PluginEntryProc>(entry);
    return nullptr;
}

AEffect* PluginModule::createEffect(audioMasterCallback audioMaster) const
{
    const PluginEntryProc entry = pluginEntry();
    if (entry == nullptr)
        throw KvhostError(path + ": not a VST 2.4 plug-in (no VSTPluginMain, MAIN or main entry point)");
    AEffect* effect = entry(audioMaster);
    if (effect == nullptr || effect->magic != kEffectMagic)
        throw KvhostError(path + ": the plug-in refused to create an effect");
    return effect;
}

std::string PluginModule::defaultPath()
{
    return programDirectory() + kPluginFile;
}
