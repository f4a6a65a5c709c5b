// The settings the effect's block shaper follows group by group: both waveshapers and the
// Output level, and the count of changes the effect bumps after writing any of them. Not
// virtual, so the check is one load inlined into the vector loop.
#pragma once

#include "BlockShaper.h"
#include "Waveshaper.h"

#include <atomic>

class EffectSettings {
public:
    EffectSettings(const kestrovanel& leftShaper, const kestrovanel& rightShaper, const std::atomic<float>& outputLevel,
                   const std::atomic<uint32>& changes)
        : left(leftShaper), right(rightShaper), output(outputLevel), changeCounter(changes)
    {
    }

    // Acquire pairs with the writer's release increment: after a new count, read sees at least
    // the values written before it.
    uint32 changeCount() const { return changeCounter.load(std::memory_order_acquire); }

    GroupSettings read() const
    {
        return {{{left.getGain(), left.getShapeFactor()}, {right.getGain(), right.getShapeFactor()}},
                output.load(std::memory_order_relaxed)};
    }

private:
    const kestrovanel& left;
    const kestrovanel& right;
    const std::atomic<float>& output;
    const std::atomic<uint32>& changeCounter;
};
