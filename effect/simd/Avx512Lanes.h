// The lane operations on eight doubles with AVX-512F, for the kernels in files compiled for that set.
// Declared in an anonymous namespace so each including file keeps its own copy, and code built
// for a wider set never serves a caller on a narrower processor.
#pragma once

#include "HostTypes.h"

#include <immintrin.h>

namespace {
struct Avx512Lanes {
    using Vector = __m512d;
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
};
} // namespace
