// The block shaper two doubles at a time with SSE2, which every x86-64 processor has.
#include "BlockShaperVariants.h"
#include "LaneKernel.h"
#include "Sse2Lanes.h"

namespace {
template <class Source>
void shapeBlockWith(const StereoBuffers& buffers, int32 frames, const Source& settings)
{
    lanekernel::shapeBlock<Sse2Lanes>(buffers, frames, settings);
}
} // namespace

void shapeBlockSse2(const StereoBuffers& buffers, int32 frames, const EffectSettings& settings)
{
    shapeBlockWith(buffers, frames, settings);
}

void shapeBlockSse2(const StereoBuffers& buffers, int32 frames, const GroupSettingsSource& settings)
{
    shapeBlockWith(buffers, frames, settings);
}
