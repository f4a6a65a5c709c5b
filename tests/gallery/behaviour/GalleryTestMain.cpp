// The gallery's behaviour tests load the gallery plug-in built beside this program, unless
// KV_PLUGIN names another file. The program also stands in for the applications that drag
// things onto it, so its thread is initialised for OLE; the framework linked in for its own
// frames takes its resources from this module.
#include "DropHost.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

HINSTANCE hInstance = nullptr;

int main(int argc, char** argv)
{
    hInstance = GetModuleHandleA(nullptr);
    if (std::getenv("KV_PLUGIN") == nullptr) {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string plugin(path);
        plugin = plugin.substr(0, plugin.find_last_of("\\/") + 1) + "kestrovanel_gallery.dll";
        _putenv_s("KV_PLUGIN", plugin.c_str());
    }
    OleInitialize(nullptr);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    removeTestFolder();
    OleUninitialize();
    return result;
}
