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

    // The first of the entry names hosts look for: VSTPluginMain, then the older MAIN and
    // main, which many Linux plug-ins still export alone. Null when there is none.
    PluginEntryProc pluginEntry() const;

    // The Kestrovanel library in the folder of the running program.
    static std::string defaultPath();

    // Calls the entry point with the given host callback. Throws KvhostError naming the
    // library when it has no entry point or gives no valid record.
    AEffect* createEffect(audioMasterCallback audioMaster) const;

private:
    std::string path;
    void* handle;
};
