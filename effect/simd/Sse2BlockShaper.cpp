// The block shaper two doubles at a time with SSE2, which every x86-64 processor has.
#include "BlockShaperVariants.h"
#include "LaneKernel.h"

#include <emmintrin.h>

namespace {
struct Sse2Lanes {
    using Vector = __m128d;
    using Mask = __m128d;
    static constexpr int32 kWidth = 2;

    static Vector broadcast(double value) { return _mm_set1_pd(value); }
    static Vector load(const float* source)
    {
        return _mm_cvtps_pd(_mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(source))));
    }
    static void store(float* target, Vector value)
    {
        _mm_storel_epi64(reinterpret_cast<__m128i*>(target), _mm_castps_si128(_mm_cvtpd_ps(value)));
    }
    static Vector roundToFloat(Vector value) { return _mm_cvtps_pd(_mm_cvtpd_ps(value)); }
    static Vector add(Vector a, Vector b) { return _mm_add_pd(a, b); }
    static Vector mul(Vector a, Vector b) { return _mm_mul_pd(a, b); }
    static Vector div(Vector a, Vector b) { return _mm_div_pd(a, b); }
    static Vector abs(Vector value) { return _mm_andnot_pd(_mm_set1_pd(-0.0), value); }
    static Vector min(Vector a, Vector b) { return _mm_min_pd(a, b); }
    static Vector max(Vector a, Vector b) { return _mm_max_pd(a, b); }
    static Mask isNaN(Vector value) { return _mm_cmpunord_pd(value, value); }
    static Mask greaterThan(Vector a, Vector b) { return _mm_cmpgt_pd(a, b); }
    // b and not a.
    static Mask andNot(Mask a, Mask b) { return _mm_andnot_pd(a, b); }
    static Vector select(Mask mask, Vector whenSet, Vector otherwise)
    {
        return _mm_or_pd(_mm_and_pd(mask, whenSet), _mm_andnot_pd(mask, otherwise));
    }
};
} // namespace

void shapeBlockSse2(const StereoBuffers& buffers, int32 frames, const GroupSettingsSource& settings)
{
    lanekernel::shapeBlock<Sse2Lanes>(buffers, frames, settings);
}
