// The gallery's tab and scroll tests load the gallery plug-in that was built beside them.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string library(path);
    library = library.substr(0, library.find_last_of("\\/") + 1) + "kestrovanel_gallery.dll";
    _putenv_s("KV_PLUGIN", library.c_str());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
