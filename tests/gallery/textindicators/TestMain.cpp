// The tests load the gallery plug-in built beside them, as a host loads it by path.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string plugin(path);
    plugin = plugin.substr(0, plugin.find_last_of("\\/") + 1) + "kestrovanel_gallery.dll";
    _putenv_s("KV_PLUGIN", plugin.c_str());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
