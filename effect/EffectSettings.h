// The settings the effect's block shaper reads once per group of frames: both waveshapers and
// the Output level. Not virtual, so the reads are inlined into the vector loop.
#pragma once

#include "BlockShaper.h"
#include "Waveshaper.h"

#include <atomic>

class EffectSettings {
public:
    EffectSettings(const kestrovanel& leftShaper, const kestrovanel& rightShaper, const std::atomic<float>& outputLevel)
        : left(leftShaper), right(rightShaper), output(outputLevel)
    {
    }

    GroupSettings read() const
    {
        return {{{left.getGain(), left.getShapeFactor()}, {right.getGain(), right.getShapeFactor()}},
                output.load(std::memory_order_relaxed)};
    }

private:
    const kestrovanel& left;
    const kestrovanel& right;
    const std::atomic<float>& output;
};
