// The test program stands in for the plug-in library, and for the applications that drag
// things onto it: its thread is initialised for OLE once for the whole run.
#include "DropHost.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <string>

HINSTANCE hInstance = nullptr;

namespace {
void removeTestFolder()
{
    std::string folder = testFolder();
    folder.push_back('\0');
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = folder.c_str();
    operation.fFlags = FOF_NO_UI;
    SHFileOperationA(&operation);
}
} // namespace

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
