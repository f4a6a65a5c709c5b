#include "DemoSignals.h"

#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr int kChannels = 2;
constexpr double kPluckSeconds = 3.0;
constexpr double kPluckFrequencyHz = 82.41;
constexpr int kPluckHarmonics = 24;
constexpr double kPluckDecayPerSecond = 1.6;
constexpr double kPluckPeak = 0.5;
constexpr double kRightDetune = 1.002;
constexpr double kSweepSeconds = 4.0;
constexpr double kSweepStartHz = 40.0;
constexpr double kSweepEndHz = 12000.0;
constexpr double kSweepLevel = 0.25;

AudioBuffer stereoBuffer(double seconds)
{
    AudioBuffer audio;
    audio.channels = kChannels;
    audio.sampleRate = kDemoSampleRate;
    audio.samples.resize(static_cast<std::size_t>(seconds * kDemoSampleRate) * kChannels);
    return audio;
}

double pluckSample(double t, double fundamentalHz)
{
    double sum = 0.0;
    for (int n = 1; n <= kPluckHarmonics; ++n) {
        // A pluck near the bridge: brighter than a sawtooth's 1/n, each harmonic dying faster.
        const double amplitude = std::sin(kPi * n * 0.2) / n;
        const double decay = std::exp(-t * kPluckDecayPerSecond * (1.0 + 0.35 * n));
        sum += amplitude * decay * std::sin(2.0 * kPi * fundamentalHz * n * t);
    }
    return sum;
}
} // namespace

AudioBuffer pluckedString()
{
    AudioBuffer audio = stereoBuffer(kPluckSeconds);
    double peak = 0.0;
    for (std::size_t frame = 0; frame < audio.frames(); ++frame) {
        const double t = static_cast<double>(frame) / kDemoSampleRate;
        const double left = pluckSample(t, kPluckFrequencyHz);
        const double right = pluckSample(t, kPluckFrequencyHz * kRightDetune);
        audio.samples[frame * kChannels] = static_cast<float>(left);
        audio.samples[frame * kChannels + 1] = static_cast<float>(right);
        peak = std::fmax(peak, std::fmax(std::fabs(left), std::fabs(right)));
    }
    for (float& sample : audio.samples)
        sample = static_cast<float>(sample * kPluckPeak / peak);
    return audio;
}

AudioBuffer sineSweep()
{
    AudioBuffer audio = stereoBuffer(kSweepSeconds);
    const double rate = std::log(kSweepEndHz / kSweepStartHz) / kSweepSeconds;
    for (std::size_t frame = 0; frame < audio.frames(); ++frame) {
        const double t = static_cast<double>(frame) / kDemoSampleRate;
        // The phase is the integral of a frequency rising exponentially from the start.
        const double phase = 2.0 * kPi * kSweepStartHz * (std::exp(rate * t) - 1.0) / rate;
        const auto sample = static_cast<float>(kSweepLevel * std::sin(phase));
        audio.samples[frame * kChannels] = sample;
        audio.samples[frame * kChannels + 1] = sample;
    }
    return audio;
}
