// What a Windows test process holds of the system's objects, to compare before and after a
// run of open and close cycles. Link psapi.
#pragma once

#include <windows.h>

#include <psapi.h>

struct ResourceUse {
    DWORD gdiObjects;
    DWORD userObjects;
    SIZE_T privateBytes;
};

inline ResourceUse resourceUse()
{
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory));
    return {GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS),
            memory.PrivateUsage};
}
