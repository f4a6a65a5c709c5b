// The settings the effect's block shaper follows group by group: both waveshapers and the
// Output level, and the count of changes the effect bumps after writing any of them. Not
// virtual, so the check is one load inlined into the vector loop.
#pragma once

#include "BlockShaper.h"
#include "Waveshaper.h"

#include <atomic>

// What the audio thread last read, with the change count it read it at, and the input bound of
// the last shape factor. Only the audio thread uses it: a block that starts with an unmoved count
// takes the record as it stands, and the bound is looked for only when the Amount changes, so it
// never belongs to another factor than the one read with it (one entry serves both channels,
// which share the Amount).
class SettingsCache {
public:
    template <class ReadNow>
    const GroupSettings& recordAt(uint32 changes, ReadNow readNow)
    {
        if (!filled || changes != recordChanges)
            refill(changes, readNow);
        return record;
    }

    double boundOf(double shapeFactor)
    {
        if (shapeFactor != boundFactor) {
            boundFactor = shapeFactor;
            bound = upperInputBound(shapeFactor);
        }
        return bound;
    }

private:
    // Out of line, so the block shaper takes the record from memory on either way and broadcasts
    // each value straight from there.
    template <class ReadNow>
    __attribute__((noinline)) void refill(uint32 changes, ReadNow readNow)
    {
        record = readNow();
        recordChanges = changes;
        filled = true;
    }

    GroupSettings record{};
    uint32 recordChanges = 0;
    bool filled = false;
    double boundFactor = -1.0;
    double bound = upperInputBound(-1.0);
};

class EffectSettings {
public:
    EffectSettings(const kestrovanel& leftShaper, const kestrovanel& rightShaper, const std::atomic<float>& outputLevel,
                   const std::atomic<uint32>& changes, SettingsCache& audioThreadCache)
        : left(leftShaper), right(rightShaper), output(outputLevel), changeCounter(changes), cache(audioThreadCache)
    {
    }

    // Acquire pairs with the writer's release increment: after a new count, read sees at least
    // the values written before it.
    uint32 changeCount() const { return changeCounter.load(std::memory_order_acquire); }

    // The count is taken before the values, so a change landing in between shows as a new count
    // at the next read.
    const GroupSettings& read() const
    {
        return cache.recordAt(changeCount(), [this] {
            return GroupSettings{{shaperSettings(left), shaperSettings(right)}, output.load(std::memory_order_relaxed)};
        });
    }

private:
    ShaperSettings shaperSettings(const kestrovanel& shaper) const
    {
        const double shapeFactor = shaper.getShapeFactor();
        return {shaper.getGain(), shapeFactor, cache.boundOf(shapeFactor)};
    }

    const kestrovanel& left;
    const kestrovanel& right;
    const std::atomic<float>& output;
    const std::atomic<uint32>& changeCounter;
    SettingsCache& cache;
};
