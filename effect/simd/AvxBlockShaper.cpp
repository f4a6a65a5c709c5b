// The block shaper four doubles at a time with AVX. This file alone is compiled for AVX; it is
// called only after a run-time check.
#include "BlockShaperVariants.h"
#include "LaneKernel.h"
#include "AvxLanes.h"

namespace {
template <class Source>
void shapeBlockWith(const StereoBuffers& buffers, int32 frames, const Source& settings)
{
    lanekernel::shapeBlock<AvxLanes>(buffers, frames, settings);
    // Legacy SSE code in the host runs slowly while the upper register halves are in use.
    _mm256_zeroupper();
}
} // namespace

void shapeBlockAvx(const StereoBuffers& buffers, int32 frames, const EffectSettings& settings)
{
    shapeBlockWith(buffers, frames, settings);
}

void shapeBlockAvx(const StereoBuffers& buffers, int32 frames, const GroupSettingsSource& settings)
{
    shapeBlockWith(buffers, frames, settings);
}
