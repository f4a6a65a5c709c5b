// Counts heap allocations made through the C++ allocator on the calling thread while a watch
// lives: those of code linked into the program, and on Linux those of a loaded plug-in too,
// whose operator new binds to the program's.
#pragma once

// False where a loaded plug-in carries its own runtime and allocator (the Windows DLLs).
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
