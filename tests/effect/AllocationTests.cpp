// processReplacing never allocates from the heap: an allocation on the audio thread can wait
// on a lock held by another thread. The effect is linked in, so the allocation counter's
// replacement of the global allocator sees every allocation it makes, on every platform.
#include "AllocationCounter.h"
#include "KestrovanelVst.h"
#include "StereoNoise.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
intptr silentHost(AEffect*, int32 opcode, int32, intptr, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}
} // namespace

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
