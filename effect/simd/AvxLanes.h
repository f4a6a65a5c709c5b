// The lane operations on four doubles with AVX, for the kernels in files compiled for that set.
// Declared in an anonymous namespace so each including file keeps its own copy, and code built
// for a wider set never serves a caller on a narrower processor.
#pragma once

#include "HostTypes.h"

#include <immintrin.h>

namespace {
struct AvxLanes {
    using Vector = __m256d;
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
};
} // namespace
