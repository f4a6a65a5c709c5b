// Loads a plug-in library by path and finds its entry points by name, as a host does.
#pragma once

#include "HostTypes.h"

#include <string>

using PluginEntryProc = AEffect* (*)(audioMasterCallback audioMaster);

class PluginLibrary {
public:
    explicit PluginLibrary(const std::string& path);
    ~PluginLibrary();

    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    bool isLoaded() const { return handle != nullptr; }
    // Null when the library does not export the name.
    PluginEntryProc entryPoint(const char* name) const;

    // The built plug-in beside the running test program, or the path in KV_PLUGIN.
    static std::string builtPluginPath();

private:
    void* handle;
};
