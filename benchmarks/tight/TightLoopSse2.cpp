#include "TightLoop.h"
#include "TightLoops.h"
#include "simd/Sse2Lanes.h"

void tightLoopSse2(const StereoBuffers& buffers, int32 frames, const GroupSettings& settings)
{
    runTightLoop<Sse2Lanes>(buffers, frames, settings);
}
