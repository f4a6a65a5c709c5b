// The settings the effect's block shaper follows group by group: both waveshapers and the
// Output level, the count of changes the effect bumps after writing any of them, and the audio
// thread's cache of what it last read. Not virtual, so the check is one load inlined into the
// vector loop.
#pragma once

#include "BlockShaper.h"
#include "Inlining.h"
#include "Waveshaper.h"

#include <atomic>

class EffectSettings;

// What the audio thread last read, with the change count it read it at, and the input bound of
// the last shape factor. A block that starts with an unmoved count takes the record as it
// stands, and the bound is looked for only when the Amount changes, so it never belongs to
// another factor than the one read with it (one entry serves both channels, which share the
// Amount).
class SettingsCache {
public:
    KV_INLINE const GroupSettings& recordAt(uint32 changes, const EffectSettings& source)
    {
        if (!filled || changes != recordChanges)
            refill(changes, source);
        return record;
    }

private:
    // Out of line, so the block shaper takes the record from memory either way and broadcasts
    // each value straight from there.
    void refill(uint32 changes, const EffectSettings& source);
    double boundOf(double shapeFactor);

    GroupSettings record{};
    uint32 recordChanges = 0;
    bool filled = false;
    double boundFactor = -1.0;
    double bound = upperInputBound(-1.0);
};

class EffectSettings {
public:
    EffectSettings(const kestrovanel& leftShaper, const kestrovanel& rightShaper, const std::atomic<float>& outputLevel,
                   const std::atomic<uint32>& changes)
        : left(leftShaper), right(rightShaper), output(outputLevel), changeCounter(changes)
    {
    }

    // Acquire pairs with the writer's release increment: after a new count, read sees at least
    // the values written before it.
    KV_INLINE uint32 changeCount() const { return changeCounter.load(std::memory_order_acquire); }

    // The count is taken before the values, so a change landing in between shows as a new count
    // at the next read.
    KV_INLINE const GroupSettings& read() const { return readAt(changeCount()); }
    // The values as read at or after changes, a count answered by changeCount.
    KV_INLINE const GroupSettings& readAt(uint32 changes) const { return cache.recordAt(changes, *this); }

    const kestrovanel& shaper(int32 channel) const { return channel == 0 ? left : right; }
    float outputLevel() const { return output.load(std::memory_order_relaxed); }

private:
    const kestrovanel& left;
    const kestrovanel& right;
    const std::atomic<float>& output;
    const std::atomic<uint32>& changeCounter;
    // Only the audio thread reads settings through this object, so it alone touches the cache.
    mutable SettingsCache cache;
};
