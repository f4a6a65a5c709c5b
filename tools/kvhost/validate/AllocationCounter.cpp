#include "AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
thread_local bool counting = false;
std::atomic<long> allocations{0};
} // namespace

// This program's replacement of the global allocator. A plug-in loaded on Linux binds to it; a
// Windows DLL brings its own, so there only code linked into the program is seen.
void* operator new(std::size_t size)
{
    if (counting)
        allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size > 0 ? size : 1))
        return memory;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size)
{
    return operator new(size);
}

// The non-throwing forms too, so that every form of new and delete meets the same malloc and
// free: a plug-in's new (std::nothrow) char[] freed by delete[] must not cross allocators.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    if (counting)
        allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size > 0 ? size : 1);
}

void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept
{
    return operator new(size, tag);
}

void operator delete(void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory, std::size_t) noexcept
{
    std::free(memory);
}

bool allocationsObservable()
{
#if defined(_WIN32)
    return false;
#else
    return true;
#endif
}

AllocationWatch::AllocationWatch() : before(allocations.load())
{
    counting = true;
}

AllocationWatch::~AllocationWatch()
{
    counting = false;
}

long AllocationWatch::count() const
{
    return allocations.load() - before;
}
