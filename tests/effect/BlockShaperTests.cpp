// Every vector width the processor offers gives the scalar waveshaper's bits, for ordinary,
// tiny, huge and non-finite samples and for every tail length.
#include "BlockShaper.h"
#include "Waveshaper.h"
#include "simd/BlockShaperVariants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {
struct Variant {
    const char* name;
    const char* feature;
    SourceBlockShaperProc shape;
};

const Variant kVariants[] = {
    {"SSE2", "sse2", shapeBlockSse2},
    {"AVX", "avx", shapeBlockAvx},
    {"AVX-512F", "avx512f", shapeBlockAvx512},
};

bool supported(const Variant& variant)
{
    __builtin_cpu_init();
    const std::string feature = variant.feature;
    if (feature == "avx512f")
        return __builtin_cpu_supports("avx512f");
    if (feature == "avx")
        return __builtin_cpu_supports("avx");
    return __builtin_cpu_supports("sse2");
}

// Counts its reads and lowers the output level at each one; its count moves every time it is
// asked, so every group reads.
class SteppedSettings final : public GroupSettingsSource {
public:
    SteppedSettings(ShaperSettings shaper, float firstOutput) : settings{{shaper, shaper}, firstOutput} {}

    uint32 changeCount() const override { return ++changes; }

    GroupSettings read() const override
    {
        const GroupSettings current = settings;
        settings.output = static_cast<float>(settings.output * 0.5);
        ++reads;
        return current;
    }

    mutable GroupSettings settings;
    mutable int reads = 0;
    mutable uint32 changes = 0;
};

// Hands out one prepared settings record per group, then keeps the last; the count moves only
// when the record does, as the effect's does.
class ScriptedSettings final : public GroupSettingsSource {
public:
    explicit ScriptedSettings(std::vector<GroupSettings> script) : groups(std::move(script)) {}

    uint32 changeCount() const override
    {
        const std::size_t group = std::min(asked++, groups.size() - 1);
        if (group != 0 && std::memcmp(&groups[group], &groups[group - 1], sizeof(GroupSettings)) != 0)
            ++changes;
        current = group;
        return changes;
    }
    GroupSettings read() const override { return groups[current]; }

private:
    std::vector<GroupSettings> groups;
    mutable std::size_t asked = 0;
    mutable std::size_t current = 0;
    mutable uint32 changes = 0;
};

// Its shape factor is beyond those upperInputBound knows, so the shapers clamp their output.
constexpr double kUnboundedAmount = 0.9999995;

// A waveshaper's gain and amount as the effect sets them.
struct Knobs {
    double gain;
    double amount;
};

ShaperSettings shaperSettings(const Knobs& knobs)
{
    kestrovanel shaper;
    shaper.SetGain(knobs.gain);
    shaper.SetAmount(knobs.amount);
    return {shaper.getGain(), shaper.getShapeFactor(), upperInputBound(shaper.getShapeFactor())};
}

float scalarResult(const Knobs& knobs, float sample, double output)
{
    kestrovanel shaper;
    shaper.SetGain(knobs.gain);
    shaper.SetAmount(knobs.amount);
    return shaper.forSample(sample) * static_cast<float>(output);
}

bool sameResult(float a, float b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof(float)) == 0;
}

std::string variantName(const ::testing::TestParamInfo<Variant>& param)
{
    std::string name = param.param.name;
    name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
    return name;
}

std::vector<float> awkwardSamples(std::mt19937& random, std::size_t count)
{
    const float specials[] = {0.0f, -0.0f, 1e-40f, -1e-42f, std::numeric_limits<float>::denorm_min(),
                              std::numeric_limits<float>::min(), 3e38f, -3e38f,
                              std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
                              std::numeric_limits<float>::quiet_NaN(), 0.25f, -1.0f};
    std::uniform_real_distribution<float> signal(-2.0f, 2.0f);
    std::uniform_int_distribution<int> pick(0, 3);
    std::uniform_int_distribution<std::size_t> special(0, std::size(specials) - 1);
    std::vector<float> samples(count);
    for (float& sample : samples)
        sample = pick(random) == 0 ? specials[special(random)] : signal(random) * (pick(random) == 0 ? 1e-3f : 1.0f);
    return samples;
}
} // namespace

class BlockShaperVariant : public ::testing::TestWithParam<Variant> {
protected:
    void SetUp() override
    {
        if (!supported(GetParam()))
            GTEST_SKIP() << GetParam().name << " is not available on this processor";
    }
};

TEST_P(BlockShaperVariant, MatchesTheScalarWaveshaperBitForBit)
{
    std::mt19937 random(31415);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    kestrovanel scalar;
    for (int frames = 1; frames <= 80; ++frames) {
        const double gain = static_cast<float>(std::pow(10.0, unit(random) * 3.0));
        // Every fourth block an Amount beyond the effect's range, with no input bound.
        const double amount = frames % 4 == 0 ? kUnboundedAmount : static_cast<float>(unit(random) * 99.0) / 100.0;
        const float output = unit(random);
        scalar.SetGain(gain);
        scalar.SetAmount(amount);
        SteppedSettings settings(shaperSettings({gain, amount}), output);
        settings.settings.output = output;

        const std::vector<float> left = awkwardSamples(random, static_cast<std::size_t>(frames));
        const std::vector<float> right = awkwardSamples(random, static_cast<std::size_t>(frames));
        std::vector<float> leftOut(left.size(), 7.0f);
        std::vector<float> rightOut = right;
        // The right channel is processed in place, as hosts may ask.
        const StereoBuffers buffers{{left.data(), rightOut.data()}, {leftOut.data(), rightOut.data()}, 2};
        GetParam().shape(buffers, frames, settings);

        for (int i = 0; i < frames; ++i) {
            const float level = static_cast<float>(output * std::pow(0.5, i / kSettingsGroupFrames));
            const float expectedLeft = scalar.forSample(left[i]) * level;
            const float expectedRight = scalar.forSample(right[i]) * level;
            ASSERT_TRUE(sameResult(leftOut[i], expectedLeft)) << "frames " << frames << " sample " << i << " in " << left[i];
            ASSERT_TRUE(sameResult(rightOut[i], expectedRight)) << "frames " << frames << " sample " << i << " in " << right[i];
        }
    }
}

TEST_P(BlockShaperVariant, ReadsTheSettingsOncePerGroupOfFrames)
{
    SteppedSettings settings(shaperSettings({1.0, 0.0}), 1.0f);
    std::vector<float> samples(100, 0.25f);
    std::vector<float> shaped(samples.size());
    const StereoBuffers buffers{{samples.data(), nullptr}, {shaped.data(), nullptr}, 1};
    GetParam().shape(buffers, static_cast<int32>(samples.size()), settings);

    EXPECT_EQ(settings.reads, 7);
    for (std::size_t i = 0; i < samples.size(); ++i)
        EXPECT_EQ(shaped[i], 0.25f * static_cast<float>(std::pow(0.5, static_cast<double>(i / kSettingsGroupFrames)))) << i;
}

// Each group may change one setting of one channel; every change must show from its group on,
// and an unchanged record must keep what the group before used.
TEST_P(BlockShaperVariant, FollowsAChangeOfAnySettingFromTheNextGroupOn)
{
    struct Group {
        Knobs left;
        Knobs right;
        double output;
    };
    const Knobs plain{2.0, 0.2};
    const Knobs louder{8.0, 0.2};
    const Knobs harder{2.0, 0.9};
    const Knobs unbounded{2.0, kUnboundedAmount};
    const std::vector<Group> groups = {{plain, plain, 1.0},       {louder, plain, 1.0},     {louder, harder, 1.0},
                                       {louder, harder, 0.25},    {plain, harder, 0.25},    {plain, unbounded, 0.25},
                                       {unbounded, plain, 0.25},  {plain, plain, 0.25},     {plain, plain, 0.25}};
    std::vector<GroupSettings> script;
    for (const Group& group : groups)
        script.push_back({{shaperSettings(group.left), shaperSettings(group.right)}, group.output});
    ScriptedSettings settings(script);
    const int32 frames = static_cast<int32>(groups.size()) * kSettingsGroupFrames - 3;
    std::vector<float> left(static_cast<std::size_t>(frames));
    std::vector<float> right(left.size());
    for (std::size_t i = 0; i < left.size(); ++i) {
        left[i] = 0.05f * static_cast<float>(i % 7) - 0.1f;
        right[i] = -left[i];
    }
    std::vector<float> leftOut(left.size());
    std::vector<float> rightOut(left.size());
    const StereoBuffers buffers{{left.data(), right.data()}, {leftOut.data(), rightOut.data()}, 2};
    GetParam().shape(buffers, frames, settings);

    for (int32 i = 0; i < frames; ++i) {
        const Group& group = groups[static_cast<std::size_t>(i / kSettingsGroupFrames)];
        ASSERT_TRUE(sameResult(leftOut[i], scalarResult(group.left, left[i], group.output))) << "frame " << i;
        ASSERT_TRUE(sameResult(rightOut[i], scalarResult(group.right, right[i], group.output))) << "frame " << i;
    }
}

// A gained sample beyond the float range must meet the clamp's bound, not infinity over
// infinity, at every hardness including none.
TEST_P(BlockShaperVariant, BoundsSamplesThatOverflowTheGainAtEveryAmount)
{
    const float huge[] = {std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(), 3e38f, -3e38f,
                          1e36f, -1e36f, std::numeric_limits<float>::quiet_NaN(), 0.5f};
    for (double amount : {0.0, 1e-7, 0.5, 0.99, kUnboundedAmount}) {
        const Knobs knobs{1000.0, amount};
        const ShaperSettings shaper = shaperSettings(knobs);
        ScriptedSettings settings({{{shaper, shaper}, 0.5}});
        std::vector<float> shaped(std::size(huge));
        const StereoBuffers buffers{{huge, nullptr}, {shaped.data(), nullptr}, 1};
        GetParam().shape(buffers, static_cast<int32>(std::size(huge)), settings);
        for (std::size_t i = 0; i < std::size(huge); ++i)
            EXPECT_TRUE(sameResult(shaped[i], scalarResult(knobs, huge[i], 0.5))) << "amount " << amount << " in " << huge[i];
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWidth, BlockShaperVariant, ::testing::ValuesIn(kVariants), variantName);
