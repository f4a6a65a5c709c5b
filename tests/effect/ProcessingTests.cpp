// Processing through the record is bit-exact with the plain arithmetic of the overdrive.
#include "ReferenceOverdrive.h"
#include "TestHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

namespace {
struct StereoBlock {
    explicit StereoBlock(std::size_t frames) : in{std::vector<float>(frames), std::vector<float>(frames)},
                                               out{std::vector<float>(frames, 7.0f), std::vector<float>(frames, 7.0f)}
    {
    }
    float* inputs[2] = {};
    float* outputs[2] = {};
    std::vector<float> in[2];
    std::vector<float> out[2];

    float** inputPointers()
    {
        inputs[0] = in[0].data();
        inputs[1] = in[1].data();
        return inputs;
    }
    float** outputPointers()
    {
        outputs[0] = out[0].data();
        outputs[1] = out[1].data();
        return outputs;
    }
};

class Processing : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(host.open(), nullptr); }

    void set(const ReferenceOverdrive& settings)
    {
        host.setParameter(0, settings.gain);
        host.setParameter(1, settings.amount);
        host.setParameter(2, settings.output);
    }

    TestHost host;
};

bool sameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof(float)) == 0;
}
} // namespace

TEST_F(Processing, RandomBlocksMatchTheReferenceBitForBit)
{
    std::mt19937 random(20261208);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    std::uniform_real_distribution<float> signal(-2.0f, 2.0f);
    std::uniform_int_distribution<int> frames(1, 700);

    for (int round = 0; round < 60; ++round) {
        const ReferenceOverdrive settings{unit(random), unit(random), unit(random)};
        set(settings);
        StereoBlock block(static_cast<std::size_t>(frames(random)));
        for (auto& channel : block.in)
            for (float& sample : channel)
                sample = signal(random) * (round % 3 == 0 ? 0.001f : 1.0f);
        host.process(block.inputPointers(), block.outputPointers(), static_cast<int32>(block.in[0].size()));
        for (int channel = 0; channel < 2; ++channel)
            for (std::size_t i = 0; i < block.in[0].size(); ++i)
                ASSERT_TRUE(sameBits(block.out[channel][i], settings.sample(block.in[channel][i])))
                    << "round " << round << " channel " << channel << " sample " << i << ": "
                    << block.out[channel][i] << " vs " << settings.sample(block.in[channel][i]);
    }
}

TEST_F(Processing, ClampIsAsymmetric)
{
    set({0.0f, 0.0f, 1.0f});
    StereoBlock block(4);
    block.in[0] = {0.3f, -0.3f, 0.9f, -1.2f};
    block.in[1] = {-1.0f, 0.5f, 0.51f, -0.99f};
    host.process(block.inputPointers(), block.outputPointers(), 4);
    EXPECT_EQ(block.out[0], (std::vector<float>{0.3f, -0.3f, 0.5f, -1.0f}));
    EXPECT_EQ(block.out[1], (std::vector<float>{-1.0f, 0.5f, 0.5f, -0.99f}));
}

TEST_F(Processing, NullSecondOutputProcessesChannelZeroOnly)
{
    StereoBlock block(8);
    block.in[0].assign(8, 0.01f);
    float* inputs[2] = {block.in[0].data(), nullptr};
    float* outputs[2] = {block.out[0].data(), nullptr};
    host.process(inputs, outputs, 8);
    for (float sample : block.out[0])
        EXPECT_TRUE(sameBits(sample, ReferenceOverdrive{0.5f, 0.5f, 1.0f}.sample(0.01f)));
}

// A host that leaves the second input out still gets a defined second output: silence.
TEST_F(Processing, NullSecondInputGivesASilentSecondChannel)
{
    StereoBlock block(8);
    block.in[0].assign(8, 0.01f);
    float* inputs[2] = {block.in[0].data(), nullptr};
    host.process(inputs, block.outputPointers(), 8);
    for (float sample : block.out[0])
        EXPECT_TRUE(sameBits(sample, ReferenceOverdrive{0.5f, 0.5f, 1.0f}.sample(0.01f)));
    for (float sample : block.out[1])
        EXPECT_TRUE(sameBits(sample, 0.0f));
}

TEST_F(Processing, EmptyAndNegativeBlocksTouchNothing)
{
    StereoBlock block(4);
    for (int32 frames : {0, -1, -100000}) {
        host.process(block.inputPointers(), block.outputPointers(), frames);
        EXPECT_EQ(block.out[0], std::vector<float>(4, 7.0f));
        EXPECT_EQ(block.out[1], std::vector<float>(4, 7.0f));
    }
    host.process(nullptr, block.outputPointers(), 4);
    host.process(block.inputPointers(), nullptr, 4);
    EXPECT_EQ(block.out[0], std::vector<float>(4, 7.0f));
}

TEST_F(Processing, OutputZeroSilencesBothChannels)
{
    host.setParameter(2, 0.0f);
    StereoBlock block(16);
    block.in[0].assign(16, 0.7f);
    block.in[1].assign(16, -0.7f);
    host.process(block.inputPointers(), block.outputPointers(), 16);
    for (const auto& channel : block.out)
        for (float sample : channel)
            EXPECT_EQ(sample, 0.0f);
}

TEST_F(Processing, HugeFiniteInputGivesTheClampBoundNotNaN)
{
    const float huge = std::numeric_limits<float>::max();
    for (float amount : {0.0f, 0.5f, 1.0f}) {
        set({1.0f, amount, 1.0f});
        StereoBlock block(3);
        block.in[0] = {huge, -huge, 1e30f};
        block.in[1] = {-1e30f, huge / 2, -huge / 3};
        host.process(block.inputPointers(), block.outputPointers(), 3);
        EXPECT_EQ(block.out[0], (std::vector<float>{0.5f, -1.0f, 0.5f})) << amount;
        EXPECT_EQ(block.out[1], (std::vector<float>{-1.0f, 0.5f, -1.0f})) << amount;
    }
}

TEST_F(Processing, ProgramSwitchChangesTheSoundAtOnce)
{
    host.setParameter(0, 0.8f);
    host.dispatch(effSetProgram, 0, 1);
    host.setParameter(0, 0.1f);
    host.dispatch(effSetProgram, 0, 0);
    StereoBlock block(1);
    block.in[0] = {0.002f};
    block.in[1] = {0.002f};
    host.process(block.inputPointers(), block.outputPointers(), 1);
    EXPECT_TRUE(sameBits(block.out[0][0], ReferenceOverdrive{0.8f, 0.5f, 1.0f}.sample(0.002f)));
}
