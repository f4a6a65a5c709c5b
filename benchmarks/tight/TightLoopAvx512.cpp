#include "TightLoop.h"
#include "TightLoops.h"
#include "simd/Avx512Lanes.h"

void tightLoopAvx512(const StereoBuffers& buffers, int32 frames, const GroupSettings& settings)
{
    runTightLoop<Avx512Lanes>(buffers, frames, settings);
    _mm256_zeroupper();
}
