#include "Waveshaper.h"

#include <cmath>
#include <limits>

namespace {
constexpr double kLowerBound = -1.0;
constexpr double kUpperBound = 0.5;

double clampToWindow(double y)
{
    if (y < kLowerBound)
        return kLowerBound;
    if (y > kUpperBound)
        return kUpperBound;
    return y;
}

double curve(double g, double k)
{
    const double y = (k + 1.0) * g / (1.0 + k * std::fabs(g));
    // For a huge g the quotient overflows to infinity over infinity; the curve's limit there
    // lies beyond the clamp, so answer the bound instead of NaN.
    if (std::isnan(y) && !std::isnan(g))
        return g > 0.0 ? kUpperBound : kLowerBound;
    return y;
}

float shapedToFloat(float g, double k)
{
    return static_cast<float>(curve(g, k));
}

// Up to this shape factor the curve rises between neighbouring float gained samples by far more
// than the double arithmetic's rounding errors, so once rounded it never falls back.
constexpr double kLargestBoundedShapeFactor = 1048576.0;
// The closed form lands within an ulp or two of the point; more steps would mean it is wrong.
constexpr int kBoundSearchSteps = 8;
} // namespace

void kestrovanel::SetGain(double g)
{
    gain.store(g, std::memory_order_relaxed);
}

void kestrovanel::SetAmount(double a)
{
    amount.store(a, std::memory_order_relaxed);
    shapeFactor.store((a + a) / (1.0 - a), std::memory_order_relaxed);
}

double kestrovanel::forSample(double x) const
{
    return clampToWindow(curve(x * getGain(), getShapeFactor()));
}

float kestrovanel::forSample(float x) const
{
    const float g = static_cast<float>(static_cast<double>(x) * getGain());
    const float y = static_cast<float>(curve(g, getShapeFactor()));
    return static_cast<float>(clampToWindow(y));
}

double upperInputBound(double shapeFactor)
{
    if (!(shapeFactor >= 0.0 && shapeFactor <= kLargestBoundedShapeFactor))
        return std::numeric_limits<double>::quiet_NaN();
    const auto reaches = [shapeFactor](float g) { return shapedToFloat(g, shapeFactor) >= kUpperBound; };
    const auto below = [](float g) { return std::nextafter(g, 0.0f); };
    float g = static_cast<float>(kUpperBound / (shapeFactor + 1.0 - shapeFactor * kUpperBound));
    for (int step = 0; step < kBoundSearchSteps && reaches(below(g)); ++step)
        g = below(g);
    for (int step = 0; step < kBoundSearchSteps && !reaches(g); ++step)
        g = std::nextafter(g, 1.0f);
    // A curve that steps over the bound without meeting it would give less than the bound there.
    if (shapedToFloat(g, shapeFactor) != kUpperBound || reaches(below(g)))
        return std::numeric_limits<double>::quiet_NaN();
    return g;
}
