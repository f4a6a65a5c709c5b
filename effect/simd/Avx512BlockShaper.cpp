// The block shaper eight doubles at a time with AVX-512F. This file alone is compiled for
// AVX-512F; it is called only after a run-time check.
#include "BlockShaperVariants.h"
#include "LaneKernel.h"
#include "Avx512Lanes.h"

namespace {
template <class Source>
void shapeBlockWith(const StereoBuffers& buffers, int32 frames, const Source& settings)
{
    lanekernel::shapeBlock<Avx512Lanes>(buffers, frames, settings);
    // Legacy SSE code in the host runs slowly while the upper register halves are in use.
    _mm256_zeroupper();
}
} // namespace

void shapeBlockAvx512(const StereoBuffers& buffers, int32 frames, const EffectSettings& settings)
{
    shapeBlockWith(buffers, frames, settings);
}

void shapeBlockAvx512(const StereoBuffers& buffers, int32 frames, const GroupSettingsSource& settings)
{
    shapeBlockWith(buffers, frames, settings);
}
