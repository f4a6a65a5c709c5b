#include "Waveshaper.h"

#include <cmath>

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
