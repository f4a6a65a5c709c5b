// Audio as kvhost carries it between files and the plug-in: interleaved float samples with the
// channel count, the sample rate and the sample format the file had.
#pragma once

#include <cstddef>
#include <vector>

enum class SampleFormat { Int16, Int24, Float32 };

struct AudioBuffer {
    int channels = 0;
    int sampleRate = 0;
    SampleFormat format = SampleFormat::Float32;
    std::vector<float> samples;

    std::size_t frames() const { return channels > 0 ? samples.size() / static_cast<std::size_t>(channels) : 0; }
};
