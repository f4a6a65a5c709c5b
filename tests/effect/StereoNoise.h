// Planar stereo buffers for driving processReplacing, and checks on what comes out.
#pragma once

#include <cmath>
#include <random>
#include <vector>

struct StereoBuffer {
    explicit StereoBuffer(std::size_t frames) : channels{std::vector<float>(frames), std::vector<float>(frames)} {}

    float** pointers()
    {
        planes[0] = channels[0].data();
        planes[1] = channels[1].data();
        return planes;
    }
    void fillWithNoise(std::mt19937& random)
    {
        std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
        for (auto& channel : channels)
            for (float& sample : channel)
                sample = noise(random);
    }

    std::vector<float> channels[2];
    float* planes[2] = {};
};

struct OutputCensus {
    int notANumber = 0;
    int infinite = 0;
    int subnormal = 0;

    void count(const StereoBuffer& buffer, std::size_t frames)
    {
        for (const auto& channel : buffer.channels)
            for (std::size_t i = 0; i < frames; ++i) {
                notANumber += std::isnan(channel[i]) ? 1 : 0;
                infinite += std::isinf(channel[i]) ? 1 : 0;
                subnormal += std::fpclassify(channel[i]) == FP_SUBNORMAL ? 1 : 0;
            }
    }
};
