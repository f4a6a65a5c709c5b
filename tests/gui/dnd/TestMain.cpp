// The test program stands in for the plug-in library, and for the applications that drag
// things onto it: its thread is initialised for OLE once for the whole run.
#include "DropHost.h"

#include <gtest/gtest.h>

HINSTANCE hInstance = nullptr;

int main(int argc, char** argv)
{
    hInstance = GetModuleHandleA(nullptr);
    OleInitialize(nullptr);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    removeTestFolder();
    OleUninitialize();
    return result;
}
