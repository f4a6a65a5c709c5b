// A setting written while a block is being processed must move the change count the block
// shaper watches, or the change would wait for the next block. The effect runs with a block
// shaper that makes the change itself halfway through, as another thread would.
#include "EffectSettings.h"
#include "KestrovanelVst.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {
intptr silentHost(AEffect*, int32 opcode, int32, intptr, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}

struct MidBlock {
    std::function<void()> change;
    uint32 countBefore = 0;
    uint32 countAfter = 0;
    GroupSettings before{};
    GroupSettings after{};
};

MidBlock* midBlock = nullptr;

void changingShaper(const StereoBuffers&, int32, const EffectSettings& settings)
{
    midBlock->countBefore = settings.changeCount();
    midBlock->before = settings.read();
    midBlock->change();
    midBlock->countAfter = settings.changeCount();
    midBlock->after = settings.read();
}

bool same(const GroupSettings& a, const GroupSettings& b)
{
    return std::memcmp(&a, &b, sizeof(GroupSettings)) == 0;
}
} // namespace

TEST(SettingsChanges, EverySettingWrittenDuringABlockMovesTheCountTheShaperWatches)
{
    KestrovanelVst effect(silentHost, changingShaper);
    float samples[2][4] = {};
    float* channels[2] = {samples[0], samples[1]};
    const struct {
        const char* what;
        std::function<void()> change;
    } cases[] = {
        {"Gain", [&] { effect.setParameter(kGain, 0.9f); }},
        {"Amount", [&] { effect.setParameter(kAmount, 0.1f); }},
        {"Output", [&] { effect.setParameter(kOutput, 0.25f); }},
        {"program", [&] { effect.setProgram(kNumPrograms - 1); }},
    };
    for (const auto& c : cases) {
        MidBlock block;
        block.change = c.change;
        midBlock = &block;
        effect.processReplacing(channels, channels, 4);
        EXPECT_NE(block.countAfter, block.countBefore) << c.what;
        EXPECT_FALSE(same(block.after, block.before)) << c.what << " did not reach the settings";
    }
    midBlock = nullptr;
}
