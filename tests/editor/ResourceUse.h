// What the test process holds of the system: GDI and window objects and private memory, to
// tell whether a run of editor openings left anything behind.
#pragma once

#include <windows.h>

struct ResourceUse {
    DWORD gdiObjects;
    DWORD userObjects;
    SIZE_T privateBytes;
};

ResourceUse resourceUse();
