// processReplacing never allocates from the heap: an allocation on the audio thread can wait
// on a lock held by another thread. The effect is linked in, so this program's replacement of
// the global allocator sees every allocation it makes, on every platform.
#include "KestrovanelVst.h"
#include "StereoNoise.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>

namespace {
thread_local bool counting = false;
std::atomic<int> allocations{0};

void* allocate(std::size_t size)
{
    if (counting)
        allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size > 0 ? size : 1))
        return memory;
    throw std::bad_alloc();
}

// Counts the allocations made on this thread while it lives.
class AllocationWatch {
public:
    AllocationWatch() : before(allocations.load())
    {
        counting = true;
    }
    ~AllocationWatch() { counting = false; }
    int count() const { return allocations.load() - before; }

private:
    int before;
};

intptr silentHost(AEffect*, int32 opcode, int32, intptr, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}
} // namespace

void* operator new(std::size_t size)
{
    return allocate(size);
}

void* operator new[](std::size_t size)
{
    return allocate(size);
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

TEST(Allocation, TheWatchSeesAnAllocation)
{
    AllocationWatch watch;
    auto value = std::make_unique<int>(1);
    EXPECT_EQ(watch.count(), 1);
}

TEST(Allocation, ProcessReplacingAllocatesNothing)
{
    std::unique_ptr<AudioEffect> effect(createEffectInstance(silentHost));
    std::mt19937 random(4);
    std::uniform_int_distribution<int32> frames(1, 1024);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    StereoBuffer input(1024);
    StereoBuffer output(1024);
    input.fillWithNoise(random);
    for (int round = 0; round < 200; ++round) {
        effect->setParameter(round % 3, unit(random));
        AllocationWatch watch;
        effect->processReplacing(input.pointers(), output.pointers(), frames(random));
        ASSERT_EQ(watch.count(), 0) << "round " << round;
    }
}
