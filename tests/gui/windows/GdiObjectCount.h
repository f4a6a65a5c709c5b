// The number of GDI objects alive in this process. Wine answers GetGuiResources with 0, so the
// handle table is probed instead: a handle whose upper half is zero names its table slot.
#pragma once

int countGdiObjects();
