// The editor tests drive the built plug-in through a test host, in windows of this program;
// the reference drawings made in-process take their resources from this module.
#include <gtest/gtest.h>

#include <windows.h>

HINSTANCE hInstance = nullptr;

int main(int argc, char** argv)
{
    hInstance = GetModuleHandleA(nullptr);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
