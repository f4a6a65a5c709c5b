// The block shaper written once over a set of lane operations (Lanes: a vector of doubles, its
// mask type and operations). Each instruction-set file instantiates it with its own Lanes
// declared in an anonymous namespace, so every instantiation stays inside its file and code
// built for a wider set never serves a caller on a narrower processor.
#pragma once

#include "BlockShaper.h"

namespace lanekernel {

template <class Lanes>
struct Constants {
    Constants(const ShaperSettings& shaper, double outputLevel)
        : gain(Lanes::broadcast(shaper.gain)),
          shapeFactor(Lanes::broadcast(shaper.shapeFactor)),
          shapeFactorPlusOne(Lanes::broadcast(shaper.shapeFactor + 1.0)),
          output(Lanes::broadcast(outputLevel))
    {
    }
    typename Lanes::Vector gain;
    typename Lanes::Vector shapeFactor;
    typename Lanes::Vector shapeFactorPlusOne;
    typename Lanes::Vector output;
    typename Lanes::Vector one = Lanes::broadcast(1.0);
    typename Lanes::Vector zero = Lanes::broadcast(0.0);
    typename Lanes::Vector lowerBound = Lanes::broadcast(-1.0);
    typename Lanes::Vector upperBound = Lanes::broadcast(0.5);
};

// Everything stays in double until the final rounding: a float product is exact in double, so
// rounding it once gives the float multiplication's result, and no single-precision operation
// ever sees a subnormal operand (those are slow on some processors).
template <class Lanes>
typename Lanes::Vector shape(typename Lanes::Vector x, const Constants<Lanes>& c)
{
    const auto g = Lanes::roundToFloat(Lanes::mul(x, c.gain));
    const auto quotient = Lanes::div(Lanes::mul(c.shapeFactorPlusOne, g),
                                     Lanes::add(c.one, Lanes::mul(c.shapeFactor, Lanes::abs(g))));
    // Infinity over infinity for a huge g: the curve's limit lies beyond the clamp.
    const auto overflowed = Lanes::andNot(Lanes::isNaN(g), Lanes::isNaN(quotient));
    const auto bound = Lanes::select(Lanes::greaterThan(g, c.zero), c.upperBound, c.lowerBound);
    const auto y = Lanes::roundToFloat(Lanes::select(overflowed, bound, quotient));
    // max and min answer their second operand when one is NaN, so NaN passes the clamp.
    const auto clamped = Lanes::min(c.upperBound, Lanes::max(c.lowerBound, y));
    return Lanes::mul(clamped, c.output);
}

template <class Lanes>
void shapeRun(const float* input, float* output, int32 count, const Constants<Lanes>& c)
{
    int32 i = 0;
    for (; i + Lanes::kWidth <= count; i += Lanes::kWidth)
        Lanes::store(output + i, shape(Lanes::load(input + i), c));
    if (i == count)
        return;
    // The last few samples go through a padded vector rather than a scalar path, so there is
    // one arithmetic only.
    float padded[Lanes::kWidth] = {};
    for (int32 j = i; j < count; ++j)
        padded[j - i] = input[j];
    Lanes::store(padded, shape(Lanes::load(padded), c));
    for (int32 j = i; j < count; ++j)
        output[j] = padded[j - i];
}

template <class Lanes>
void shapeBlock(const StereoBuffers& buffers, int32 frames, const GroupSettingsSource& source)
{
    for (int32 start = 0; start < frames; start += kSettingsGroupFrames) {
        const int32 count = frames - start < kSettingsGroupFrames ? frames - start : kSettingsGroupFrames;
        const GroupSettings settings = source.read();
        for (int32 channel = 0; channel < buffers.channels; ++channel) {
            const Constants<Lanes> constants(settings.channel[channel], settings.output);
            shapeRun(buffers.inputs[channel] + start, buffers.outputs[channel] + start, count, constants);
        }
    }
}

} // namespace lanekernel
