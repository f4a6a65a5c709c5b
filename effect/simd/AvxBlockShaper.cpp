// The block shaper four doubles at a time with AVX. This file alone is compiled for AVX; it is
// called only after a run-time check.
#include "BlockShaperVariants.h"
#include "LaneKernel.h"

#include <immintrin.h>

namespace {
struct AvxLanes {
    using Vector = __m256d;
    using Mask = __m256d;
    static constexpr int32 kWidth = 4;

    static Vector broadcast(double value) { return _mm256_set1_pd(value); }
    static Vector load(const float* source) { return _mm256_cvtps_pd(_mm_loadu_ps(source)); }
    static void store(float* target, Vector value) { _mm_storeu_ps(target, _mm256_cvtpd_ps(value)); }
    static Vector roundToFloat(Vector value) { return _mm256_cvtps_pd(_mm256_cvtpd_ps(value)); }
    static Vector add(Vector a, Vector b) { return _mm256_add_pd(a, b); }
    static Vector mul(Vector a, Vector b) { return _mm256_mul_pd(a, b); }
    static Vector div(Vector a, Vector b) { return _mm256_div_pd(a, b); }
    static Vector abs(Vector value) { return _mm256_andnot_pd(_mm256_set1_pd(-0.0), value); }
    static Vector min(Vector a, Vector b) { return _mm256_min_pd(a, b); }
    static Vector max(Vector a, Vector b) { return _mm256_max_pd(a, b); }
    static Mask isNaN(Vector value) { return _mm256_cmp_pd(value, value, _CMP_UNORD_Q); }
    static Mask greaterThan(Vector a, Vector b) { return _mm256_cmp_pd(a, b, _CMP_GT_OQ); }
    // b and not a.
    static Mask andNot(Mask a, Mask b) { return _mm256_andnot_pd(a, b); }
    static Vector select(Mask mask, Vector whenSet, Vector otherwise) { return _mm256_blendv_pd(otherwise, whenSet, mask); }
};
} // namespace

void shapeBlockAvx(const StereoBuffers& buffers, int32 frames, const GroupSettingsSource& settings)
{
    lanekernel::shapeBlock<AvxLanes>(buffers, frames, settings);
    // Legacy SSE code in the host runs slowly while the upper register halves are in use.
    _mm256_zeroupper();
}
