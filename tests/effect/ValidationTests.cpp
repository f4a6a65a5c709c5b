// What plug-in validators do to an effect: white noise through every program and through random
// settings at the common sample rates and block sizes, and automation between small sub-blocks.
// No sample may come out NaN, infinite or subnormal while Output is above 0.001.
#include "StereoNoise.h"
#include "TestHost.h"

#include <gtest/gtest.h>

namespace {
constexpr float kSampleRates[] = {44100.0f, 48000.0f, 96000.0f};
constexpr int32 kSmallestBlock = 64;
constexpr int32 kLargestBlock = 1024;
constexpr int32 kAutomationBlockFrames = 32;
constexpr float kQuietestOutput = 0.001f;
constexpr int kParameters = 3;
constexpr int kPrograms = 6;

class Validation : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(host.open(), nullptr); }

    void start(float sampleRate, int32 blockSize)
    {
        host.dispatch(effMainsChanged, 0, 0);
        host.dispatch(effSetSampleRate, 0, 0, nullptr, sampleRate);
        host.dispatch(effSetBlockSize, 0, blockSize);
        host.dispatch(effMainsChanged, 0, 1);
    }

    void processNoise(int32 frames, OutputCensus& census)
    {
        StereoBuffer input(static_cast<std::size_t>(frames));
        StereoBuffer output(static_cast<std::size_t>(frames));
        input.fillWithNoise(random);
        host.process(input.pointers(), output.pointers(), frames);
        census.count(output, static_cast<std::size_t>(frames));
    }

    float randomSetting(int index)
    {
        std::uniform_real_distribution<float> unit(0.0f, 1.0f);
        std::uniform_real_distribution<float> audible(kQuietestOutput * 1.01f, 1.0f);
        return index == 2 ? audible(random) : unit(random);
    }

    TestHost host;
    std::mt19937 random{96000};
};

void expectClean(const OutputCensus& census)
{
    EXPECT_EQ(census.notANumber, 0);
    EXPECT_EQ(census.infinite, 0);
    EXPECT_EQ(census.subnormal, 0);
}
} // namespace

TEST_F(Validation, NoiseThroughEveryProgramAtEveryRate)
{
    std::uniform_int_distribution<int32> blockSize(kSmallestBlock, kLargestBlock);
    OutputCensus census;
    for (float rate : kSampleRates)
        for (int32 program = 0; program < kPrograms; ++program) {
            const int32 block = blockSize(random);
            start(rate, block);
            host.dispatch(effSetProgram, 0, program);
            for (int round = 0; round < 4; ++round)
                processNoise(block, census);
        }
    expectClean(census);
}

TEST_F(Validation, NoiseThroughRandomSettingsAtEveryRate)
{
    std::uniform_int_distribution<int32> blockSize(kSmallestBlock, kLargestBlock);
    OutputCensus census;
    for (float rate : kSampleRates)
        for (int setting = 0; setting < 40; ++setting) {
            const int32 block = blockSize(random);
            start(rate, block);
            for (int index = 0; index < kParameters; ++index)
                host.setParameter(index, randomSetting(index));
            processNoise(block, census);
        }
    expectClean(census);
}

TEST_F(Validation, AutomationBetweenSmallSubBlocks)
{
    std::uniform_int_distribution<int> parameter(0, kParameters - 1);
    OutputCensus census;
    for (float rate : kSampleRates) {
        start(rate, kAutomationBlockFrames);
        for (int subBlock = 0; subBlock < 300; ++subBlock) {
            const int index = parameter(random);
            host.setParameter(index, randomSetting(index));
            processNoise(kAutomationBlockFrames, census);
        }
    }
    expectClean(census);
}

TEST_F(Validation, ExtremeParameterValuesStayFinite)
{
    OutputCensus census;
    start(44100.0f, kSmallestBlock);
    for (float gain : {0.0f, 1.0f})
        for (float amount : {0.0f, 1.0f})
            for (float output : {0.0011f, 1.0f}) {
                host.setParameter(0, gain);
                host.setParameter(1, amount);
                host.setParameter(2, output);
                processNoise(kSmallestBlock, census);
            }
    expectClean(census);
}
