#include "GdiObjectCount.h"

#include <windows.h>

#include <cstdint>

namespace {
constexpr std::uintptr_t kHandleSlots = 0x10000;
}

int countGdiObjects()
{
    const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0)
        return static_cast<int>(reported);
    int live = 0;
    for (std::uintptr_t slot = 1; slot < kHandleSlots; ++slot)
        live += GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0 ? 1 : 0;
    return live;
}
