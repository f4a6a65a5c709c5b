#include "TestSignal.h"

#include <cmath>
#include <random>

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kSweepStartHz = 20.0;
constexpr double kSweepOctavesPerSecond = 5.0;
} // namespace

const char* signalName(SignalKind kind)
{
    switch (kind) {
    case SignalKind::noise: return "noise";
    case SignalKind::silence: return "silence";
    case SignalKind::sweep: return "sweep";
    }
    return "signal";
}

void fillSignal(AudioBlock& block, SignalKind kind, std::int64_t position, float sampleRate, std::uint32_t seed)
{
    std::mt19937 random(seed + static_cast<std::uint32_t>(position));
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    for (int32 i = 0; i < block.frames(); ++i) {
        const double seconds = static_cast<double>(position + i) / sampleRate;
        // The phase of an exponential sweep is the integral of its frequency.
        const double phase = 2.0 * kPi * kSweepStartHz * (std::exp2(kSweepOctavesPerSecond * seconds) - 1.0)
                             / (kSweepOctavesPerSecond * std::log(2.0));
        for (int32 c = 0; c < block.channels(); ++c)
            block.channel(c)[i] = kind == SignalKind::noise   ? noise(random)
                                  : kind == SignalKind::sweep ? static_cast<float>(0.8 * std::sin(phase))
                                                              : 0.0f;
    }
}
