// The block shaper written once over a set of lane operations (Lanes: a vector of doubles and
// its operations, from simd/*Lanes.h). Each instruction-set file instantiates it for the
// effect's own settings and for any GroupSettingsSource.
#pragma once

#include "BlockShaper.h"
#include "EffectSettings.h"
#include "Inlining.h"

#include <cmath>

// Everything below is inlined into the one function per width and settings source (but for the
// out-of-line loop of settings the effect never has), so a block costs one call (and on 64-bit
// Windows one save of the callee-saved vector registers). It is local to each including file,
// like the lanes: code built for a wider set must never serve a caller on a narrower processor,
// as a shared copy of an inline function could.
namespace {
namespace lanekernel {

// Where the output is clamped, an infinite g would make the denominator infinite (or NaN, times a
// zero shape factor) and the quotient NaN instead of the bound. Capping |g| in the denominator
// alone keeps it finite; for a g beyond the cap the quotient only grows, and the curve already
// exceeds 1 for any g above 1, so the clamp gives the same bound. A NaN g still gives NaN.
constexpr double kDenominatorLimit = 4294967296.0;

template <class Lanes>
struct Constants {
    KV_INLINE Constants(const ShaperSettings& shaper, double outputLevel)
        : gain(Lanes::broadcast(shaper.gain)),
          shapeFactor(Lanes::broadcast(shaper.shapeFactor)),
          shapeFactorPlusOne(Lanes::broadcast(shaper.shapeFactor + 1.0)),
          inputBound(Lanes::broadcast(shaper.inputBound)),
          output(Lanes::broadcast(outputLevel))
    {
    }
    typename Lanes::Vector gain;
    typename Lanes::Vector shapeFactor;
    typename Lanes::Vector shapeFactorPlusOne;
    typename Lanes::Vector inputBound;
    typename Lanes::Vector output;
};

// How a shaped sample is kept in the window [-1, 0.5]. With the input bound known, the gained
// sample is capped to [-1, inputBound] before the curve, which then lands inside the window on
// its own, maps an infinite sample to the bound, and leaves out the output clamp and the
// denominator's cap: two vector operations fewer. Without it the output is clamped.
enum class Bounding { Input, Output };

// Everything stays in double until the final rounding: a float product is exact in double, so
// rounding it once gives the float multiplication's result, and no single-precision operation
// ever sees a subnormal operand (those are slow on some processors). max and min answer their
// second operand when one is NaN, so NaN passes both caps and both clamps.
template <Bounding bounding, class Lanes>
KV_INLINE typename Lanes::Vector shape(typename Lanes::Vector x, const Constants<Lanes>& c)
{
    const auto gained = Lanes::roundToFloat(Lanes::mul(x, c.gain));
    if constexpr (bounding == Bounding::Input) {
        const auto g = Lanes::min(c.inputBound, Lanes::max(Lanes::broadcast(-1.0), gained));
        const auto quotient = Lanes::div(Lanes::mul(c.shapeFactorPlusOne, g),
                                         Lanes::add(Lanes::broadcast(1.0), Lanes::mul(c.shapeFactor, Lanes::abs(g))));
        return Lanes::mul(Lanes::roundToFloat(quotient), c.output);
    } else {
        const auto magnitude = Lanes::min(Lanes::broadcast(kDenominatorLimit), Lanes::abs(gained));
        const auto quotient = Lanes::div(Lanes::mul(c.shapeFactorPlusOne, gained),
                                         Lanes::add(Lanes::broadcast(1.0), Lanes::mul(c.shapeFactor, magnitude)));
        const auto y = Lanes::roundToFloat(quotient);
        const auto clamped = Lanes::min(Lanes::broadcast(0.5), Lanes::max(Lanes::broadcast(-1.0), y));
        return Lanes::mul(clamped, c.output);
    }
}

// Whole vectors only: count is a multiple of the width, and a constant for full groups, so the
// loop unrolls into straight code for a group, at -O2 as well.
template <Bounding bounding, class Lanes>
KV_INLINE void shapeVectors(const float* input, float* output, int32 count, const Constants<Lanes>& c)
{
#pragma GCC unroll 8
    for (int32 i = 0; i < count; i += Lanes::kWidth)
        Lanes::store(output + i, shape<bounding>(Lanes::load(input + i), c));
}

// The last few samples go through a padded vector rather than a scalar path, so there is one
// arithmetic only.
template <Bounding bounding, class Lanes>
KV_INLINE void shapeTail(const float* input, float* output, int32 count, const Constants<Lanes>& c)
{
    float padded[Lanes::kWidth] = {};
    for (int32 j = 0; j < count; ++j)
        padded[j] = input[j];
    Lanes::store(padded, shape<bounding>(Lanes::load(padded), c));
    for (int32 j = 0; j < count; ++j)
        output[j] = padded[j];
}

// One channel's frames from start on, count of them: whole vectors, then a padded one.
template <Bounding bounding, class Lanes>
KV_INLINE void shapeChannel(const float* input, float* output, int32 count, const Constants<Lanes>& constants)
{
    const int32 vectorFrames = count - count % Lanes::kWidth;
    shapeVectors<bounding>(input, output, vectorFrames, constants);
    if (vectorFrames != count)
        shapeTail<bounding>(input + vectorFrames, output + vectorFrames, count - vectorFrames, constants);
}

// The settings as of a change count the kernel has just taken: the effect's cache is keyed by it,
// another source reads what it holds now.
KV_INLINE const GroupSettings& readAt(const EffectSettings& settings, uint32 changes)
{
    return settings.readAt(changes);
}

KV_INLINE GroupSettings readAt(const GroupSettingsSource& settings, uint32)
{
    return settings.read();
}

// Asks for the change count every group of frames and reads the settings and rebuilds the
// vectors only when it moved: one load and a compare on the integer side, which the vector loop
// leaves idle.
template <class Lanes, class Source>
class GroupConstants {
public:
    // The count is taken before the read, so a change landing in between shows as a new count.
    KV_INLINE explicit GroupConstants(const Source& settingsSource)
        : GroupConstants(settingsSource, settingsSource.changeCount())
    {
    }

    // Answers whether the settings, if they changed, still need the given bounding.
    KV_INLINE bool refreshKeeps(Bounding current)
    {
        const uint32 changes = source->changeCount();
        if (__builtin_expect(changes == seenChanges, 1))
            return true;
        *this = GroupConstants(*source, changes);
        return bounding == current;
    }

    const Source* source;
    uint32 seenChanges;
    Constants<Lanes> left;
    Constants<Lanes> right;
    Bounding bounding;

private:
    KV_INLINE GroupConstants(const Source& settingsSource, uint32 changes)
        : GroupConstants(settingsSource, changes, readAt(settingsSource, changes))
    {
    }

    KV_INLINE GroupConstants(const Source& settingsSource, uint32 changes, const GroupSettings& settings)
        : source(&settingsSource), seenChanges(changes), left(settings.channel[0], settings.output),
          right(settings.channel[1], settings.output), bounding(boundingOf(settings))
    {
    }

    // NaN marks a shape factor without an input bound.
    static KV_INLINE Bounding boundingOf(const GroupSettings& settings)
    {
        const bool bothBounded = !std::isnan(settings.channel[0].inputBound) && !std::isnan(settings.channel[1].inputBound);
        return bothBounded ? Bounding::Input : Bounding::Output;
    }
};

template <Bounding bounding, class Lanes, class Source>
KV_INLINE void shapeGroup(const StereoBuffers& buffers, int32 start, int32 count, const GroupConstants<Lanes, Source>& constants)
{
    shapeChannel<bounding>(buffers.inputs[0] + start, buffers.outputs[0] + start, count, constants.left);
    if (buffers.channels == kShaperChannels)
        shapeChannel<bounding>(buffers.inputs[1] + start, buffers.outputs[1] + start, count, constants.right);
}

// Shapes the groups from start on for as long as their settings keep the given bounding, and
// answers where it stopped: the block's end, or the first group that needs the other one. The
// constants are current for the group at start.
template <Bounding bounding, class Lanes, class Source>
KV_INLINE int32 shapeGroupsBoundedBy(const StereoBuffers& buffers, int32 start, int32 frames, GroupConstants<Lanes, Source>& constants)
{
    const int32 fullGroupFrames = frames - frames % kSettingsGroupFrames;
    int32 group = start;
    for (; group < fullGroupFrames; group += kSettingsGroupFrames) {
        if (group != start && !constants.refreshKeeps(bounding))
            return group;
        shapeGroup<bounding>(buffers, group, kSettingsGroupFrames, constants);
    }
    if (group == frames)
        return frames;
    if (group != start && !constants.refreshKeeps(bounding))
        return group;
    shapeGroup<bounding>(buffers, group, frames - group, constants);
    return frames;
}

// Settings without an input bound never come from the effect itself. Their loop is out of line
// and works on copies of the constants and buffers, so the loop the effect runs keeps its own in
// registers.
template <class Lanes, class Source>
__attribute__((noinline, cold)) int32 shapeGroupsClampingOutput(const StereoBuffers& buffers, int32 start, int32 frames,
                                                                GroupConstants<Lanes, Source>& constants)
{
    return shapeGroupsBoundedBy<Bounding::Output>(buffers, start, frames, constants);
}

template <class Lanes, class Source>
KV_INLINE void shapeBlock(const StereoBuffers& buffers, int32 frames, const Source& source)
{
    static_assert(kSettingsGroupFrames % Lanes::kWidth == 0, "a full group is whole vectors");
    const StereoBuffers local = buffers;
    GroupConstants<Lanes, Source> constants(source);
    for (int32 start = 0; start < frames;) {
        if (__builtin_expect(constants.bounding == Bounding::Input, 1)) {
            start = shapeGroupsBoundedBy<Bounding::Input>(local, start, frames, constants);
        } else {
            GroupConstants<Lanes, Source> outOfLine = constants;
            start = shapeGroupsClampingOutput(buffers, start, frames, outOfLine);
            constants = outOfLine;
        }
    }
}

} // namespace lanekernel
} // namespace
