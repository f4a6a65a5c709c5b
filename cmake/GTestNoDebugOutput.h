// Force-included into GoogleTest's own sources on Windows (see GoogleTest.cmake).
// GoogleTest copies every failure and skip message to OutputDebugStringA, which raises
// and catches an exception; 32-bit Wine under QEMU crashes while unwinding it, which would
// end the whole test program at its first failing or skipped test. The messages still go
// to stdout.
#pragma once
#include <windows.h>
inline void kvGTestNoDebugOutput(const char*) {}
#define OutputDebugStringA kvGTestNoDebugOutput
