// The gallery's behaviour tests load the gallery plug-in built beside this program, unless
// KV_PLUGIN names another file. The program also stands in for the applications that drag
// things onto it, so its thread is initialised for OLE; the framework linked in for its own
// frames takes its resources from this module.
#include "DropHost.h"
#include "GalleryBesideProgram.h"

#include <gtest/gtest.h>

#include <windows.h>

HINSTANCE hInstance = nullptr;

int main(int argc, char** argv)
{
    hInstance = GetModuleHandleA(nullptr);
    loadGalleryBesideProgram();
    OleInitialize(nullptr);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    removeTestFolder();
    OleUninitialize();
    return result;
}
