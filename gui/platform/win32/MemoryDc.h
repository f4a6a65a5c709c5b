// A memory drawing surface with one bitmap selected for the span of a scope, so every
// temporary selection is undone and deleted on every path.
#pragma once

#include <windows.h>

namespace VSTGUI::platform {

class MemoryDc {
public:
    MemoryDc(HDC compatible, HBITMAP bitmap) : dc(CreateCompatibleDC(compatible))
    {
        if (dc != nullptr)
            previous = SelectObject(dc, bitmap);
    }
    ~MemoryDc()
    {
        if (dc == nullptr)
            return;
        if (previous != nullptr)
            SelectObject(dc, previous);
        DeleteDC(dc);
    }

    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    operator HDC() const { return dc; }

private:
    HDC dc;
    HGDIOBJ previous = nullptr;
};

// A bitmap deleted at the end of its scope.
class ScopedBitmap {
public:
    explicit ScopedBitmap(HBITMAP bitmap_) : bitmap(bitmap_) {}
    ~ScopedBitmap()
    {
        if (bitmap != nullptr)
            DeleteObject(bitmap);
    }

    ScopedBitmap(const ScopedBitmap&) = delete;
    ScopedBitmap& operator=(const ScopedBitmap&) = delete;

    operator HBITMAP() const { return bitmap; }

private:
    HBITMAP bitmap;
};

} // namespace VSTGUI::platform
