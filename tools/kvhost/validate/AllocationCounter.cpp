#include "AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
thread_local bool counting = false;
std::atomic<long> allocations{0};
} // namespace

#if !defined(_WIN32)
// kvhost's replacement of the global allocator; the plug-in's references bind to it.
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
#endif

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
