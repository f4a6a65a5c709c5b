// The yardstick processReplacing is measured against: the waveshaper's arithmetic written once
// per channel over the whole block, settings read once per block, no groups and no tail. It
// leaves out the guard against an infinite gained sample, which the benchmark's signals never
// produce, so it is the floor the same instructions can reach on this processor.
#pragma once

#include "BlockShaper.h"

template <class Lanes>
void runTightLoop(const StereoBuffers& buffers, int32 frames, const GroupSettings& settings)
{
    const auto one = Lanes::broadcast(1.0);
    const auto lower = Lanes::broadcast(-1.0);
    const auto upper = Lanes::broadcast(0.5);
    const auto output = Lanes::broadcast(settings.output);
    for (int32 channel = 0; channel < buffers.channels; ++channel) {
        const auto gain = Lanes::broadcast(settings.channel[channel].gain);
        const auto shapeFactor = Lanes::broadcast(settings.channel[channel].shapeFactor);
        const auto shapeFactorPlusOne = Lanes::broadcast(settings.channel[channel].shapeFactor + 1.0);
        const float* in = buffers.inputs[channel];
        float* out = buffers.outputs[channel];
        for (int32 i = 0; i < frames; i += Lanes::kWidth) {
            const auto g = Lanes::roundToFloat(Lanes::mul(Lanes::load(in + i), gain));
            const auto y = Lanes::roundToFloat(
                Lanes::div(Lanes::mul(shapeFactorPlusOne, g), Lanes::add(one, Lanes::mul(shapeFactor, Lanes::abs(g)))));
            Lanes::store(out + i, Lanes::mul(Lanes::min(upper, Lanes::max(lower, y)), output));
        }
    }
}
