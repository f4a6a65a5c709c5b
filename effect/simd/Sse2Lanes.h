// The lane operations on two doubles with SSE2, for the kernels in files compiled for that set.
// Declared in an anonymous namespace so each including file keeps its own copy, and code built
// for a wider set never serves a caller on a narrower processor.
#pragma once

#include "HostTypes.h"

#include <emmintrin.h>

namespace {
struct Sse2Lanes {
    using Vector = __m128d;
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
};
} // namespace
