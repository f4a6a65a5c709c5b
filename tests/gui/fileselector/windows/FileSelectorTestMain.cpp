// The folder browser leaves Wine's shell threads behind, and 32-bit Wine has been seen to crash
// while the finished test process unloads them, after every test had passed. The results are
// written by then, so the process ends without unloading its libraries.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::fflush(stdout);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(result));
    return result;
}
