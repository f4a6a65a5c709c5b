#include "LevelMeter.h"

#include <cmath>

namespace {
// Silence reads as this floor rather than minus infinity.
constexpr double kFloorDb = -144.0;

double decibels(double level)
{
    return level > 0.0 ? std::fmax(20.0 * std::log10(level), kFloorDb) : kFloorDb;
}
} // namespace

Levels measureLevels(const AudioBuffer& audio)
{
    double peak = 0.0;
    double sumOfSquares = 0.0;
    for (float sample : audio.samples) {
        peak = std::fmax(peak, std::fabs(static_cast<double>(sample)));
        sumOfSquares += static_cast<double>(sample) * sample;
    }
    const double meanSquare = audio.samples.empty() ? 0.0 : sumOfSquares / static_cast<double>(audio.samples.size());
    return {decibels(peak), decibels(std::sqrt(meanSquare))};
}
