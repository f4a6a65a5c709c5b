#include "GalleryBesideProgram.h"

#include <windows.h>

#include <cstdlib>
#include <string>

void loadGalleryBesideProgram()
{
    if (std::getenv("KV_PLUGIN") != nullptr)
        return;
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string plugin(path);
    plugin = plugin.substr(0, plugin.find_last_of("\\/") + 1) + "kestrovanel_gallery.dll";
    _putenv_s("KV_PLUGIN", plugin.c_str());
}
