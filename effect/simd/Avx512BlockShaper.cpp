// The block shaper eight doubles at a time with AVX-512F. This file alone is compiled for
// AVX-512F; it is called only after a run-time check.
#include "BlockShaperVariants.h"
#include "LaneKernel.h"

#include <immintrin.h>

namespace {
struct Avx512Lanes {
    using Vector = __m512d;
    using Mask = __mmask8;
    static constexpr int32 kWidth = 8;

    static Vector broadcast(double value) { return _mm512_set1_pd(value); }
    static Vector load(const float* source) { return _mm512_cvtps_pd(_mm256_loadu_ps(source)); }
    static void store(float* target, Vector value) { _mm256_storeu_ps(target, _mm512_cvtpd_ps(value)); }
    static Vector roundToFloat(Vector value) { return _mm512_cvtps_pd(_mm512_cvtpd_ps(value)); }
    static Vector add(Vector a, Vector b) { return _mm512_add_pd(a, b); }
    static Vector mul(Vector a, Vector b) { return _mm512_mul_pd(a, b); }
    static Vector div(Vector a, Vector b) { return _mm512_div_pd(a, b); }
    static Vector abs(Vector value) { return _mm512_abs_pd(value); }
    static Vector min(Vector a, Vector b) { return _mm512_min_pd(a, b); }
    static Vector max(Vector a, Vector b) { return _mm512_max_pd(a, b); }
    static Mask isNaN(Vector value) { return _mm512_cmp_pd_mask(value, value, _CMP_UNORD_Q); }
    static Mask greaterThan(Vector a, Vector b) { return _mm512_cmp_pd_mask(a, b, _CMP_GT_OQ); }
    // b and not a.
    static Mask andNot(Mask a, Mask b) { return static_cast<Mask>(~a & b); }
    static Vector select(Mask mask, Vector whenSet, Vector otherwise) { return _mm512_mask_blend_pd(mask, otherwise, whenSet); }
};
} // namespace

void shapeBlockAvx512(const StereoBuffers& buffers, int32 frames, const GroupSettingsSource& settings)
{
    lanekernel::shapeBlock<Avx512Lanes>(buffers, frames, settings);
    // Legacy SSE code in the host runs slowly while the upper register halves are in use.
    _mm256_zeroupper();
}
