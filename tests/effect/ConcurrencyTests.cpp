// One thread processes while another automates parameters and switches programs, as hosts do
// with their audio and user-interface threads. Run under ThreadSanitizer (the tsan preset) this
// proves the absence of data races; in every build it checks the output stays in range.
#include "StereoNoise.h"
#include "TestHost.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {
constexpr auto kDuration = std::chrono::seconds(2);
constexpr int32 kBlockFrames = 256;
constexpr int kPrograms = 6;
} // namespace

TEST(Concurrency, ProcessingWhileAnotherThreadAutomates)
{
    TestHost host;
    ASSERT_NE(host.open(), nullptr);
    host.dispatch(effMainsChanged, 0, 1);
    std::atomic<bool> running{true};

    std::thread automation([&host, &running] {
        std::mt19937 random(5);
        std::uniform_real_distribution<float> unit(0.0f, 1.0f);
        for (int step = 0; running.load(); ++step) {
            if (step % 50 == 0)
                host.dispatch(effSetProgram, 0, step / 50 % kPrograms);
            else
                host.setParameter(step % 3, unit(random));
        }
    });

    StereoBuffer input(kBlockFrames);
    StereoBuffer output(kBlockFrames);
    std::mt19937 random(6);
    input.fillWithNoise(random);
    OutputCensus census;
    float loudest = 0.0f;
    int blocks = 0;
    const auto end = std::chrono::steady_clock::now() + kDuration;
    while (std::chrono::steady_clock::now() < end) {
        host.process(input.pointers(), output.pointers(), kBlockFrames);
        census.count(output, kBlockFrames);
        for (const auto& channel : output.channels)
            for (float sample : channel)
                loudest = std::fmax(loudest, std::fabs(sample));
        ++blocks;
    }
    running.store(false);
    automation.join();

    EXPECT_GT(blocks, 0);
    EXPECT_EQ(census.notANumber + census.infinite, 0);
    EXPECT_LE(loudest, 1.0f);
}
