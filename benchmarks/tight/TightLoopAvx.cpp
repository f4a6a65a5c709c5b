#include "TightLoop.h"
#include "TightLoops.h"
#include "simd/AvxLanes.h"

void tightLoopAvx(const StereoBuffers& buffers, int32 frames, const GroupSettings& settings)
{
    runTightLoop<AvxLanes>(buffers, frames, settings);
    _mm256_zeroupper();
}
