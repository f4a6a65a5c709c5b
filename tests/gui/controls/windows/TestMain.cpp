// The test program stands in for the plug-in library: the frame registers its window class
// for this module.
#include <gtest/gtest.h>

#include <windows.h>

HINSTANCE hInstance = nullptr;

int main(int argc, char** argv)
{
    hInstance = GetModuleHandleA(nullptr);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
