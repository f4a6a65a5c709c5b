// A plug-in library loaded by path, and the place of the default plug-in beside kvhost. The
// only platform-specific part of kvhost.
#pragma once

#include "HostTypes.h"

#include <string>

using PluginEntryProc = AEffect* (*)(audioMasterCallback audioMaster);

class PluginModule {
public:
    // Throws KvhostError when the library cannot be loaded.
    explicit PluginModule(const std::string& path);
    ~PluginModule();

    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    // Null when the library exports no such name.
    PluginEntryProc entryPoint(const char* name) const;

    // The Kestrovanel library in the folder of the running program.
    static std::string defaultPath();

private:
    void* handle;
};
