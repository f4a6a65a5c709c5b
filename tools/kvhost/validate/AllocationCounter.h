// Counts heap allocations made through the C++ allocator on the calling thread while a watch
// lives. Where the plug-in's allocator is kvhost's own (Linux, where the library binds to the
// program's operator new), this sees the plug-in's allocations too.
#pragma once

// False where the plug-in carries its own runtime and allocator (the Windows DLLs).
bool allocationsObservable();

class AllocationWatch {
public:
    AllocationWatch();
    ~AllocationWatch();
    AllocationWatch(const AllocationWatch&) = delete;
    AllocationWatch& operator=(const AllocationWatch&) = delete;

    long count() const;

private:
    long before;
};
