#pragma once

// Small helpers shared by the SSE2 and AVX2 code of the two passes.

#if defined(__x86_64__) || defined(__i386__)
#define EXPORTING_X86 1
#include <immintrin.h>

#include <cstdint>
#include <cstring>

// AVX2 code is compiled for AVX2 function by function and only called where the processor
// has it, so the program as a whole still runs on any x86-64.
#define EXPORTING_AVX2 __attribute__((target("avx2")))

namespace exporting::detail {

// sums * scale + offset, clamped to 0..255 and cut (see Divisor).
inline __m128i Divide(__m128i sums, __m128 scale, __m128 offset)
{
    __m128 value = _mm_add_ps(_mm_mul_ps(_mm_cvtepi32_ps(sums), scale), offset);
    value = _mm_min_ps(_mm_max_ps(value, _mm_setzero_ps()), _mm_set1_ps(255.0f));
    return _mm_cvttps_epi32(value);
}

EXPORTING_AVX2 inline __m256i Divide(__m256i sums, __m256 scale, __m256 offset)
{
    __m256 value = _mm256_add_ps(_mm256_mul_ps(_mm256_cvtepi32_ps(sums), scale), offset);
    value = _mm256_min_ps(_mm256_max_ps(value, _mm256_setzero_ps()), _mm256_set1_ps(255.0f));
    return _mm256_cvttps_epi32(value);
}

// Stores the first 3 bytes of each 32-bit lane as 4 pixels in a row. Each pixel is written
// with 4 bytes; the fourth lands on the next pixel, written afterwards, or in the row's padding.
inline void StoreFourPixels(std::uint8_t* out, __m128i bytes)
{
    for (int c = 0; c < 4; ++c) {
        const auto value = static_cast<std::uint32_t>(_mm_cvtsi128_si32(bytes));
        std::memcpy(out + 3 * c, &value, 4);
        bytes = _mm_srli_si128(bytes, 4);
    }
}

inline void StorePixel(std::uint8_t* out, __m128i bytes)
{
    const auto value = static_cast<std::uint32_t>(_mm_cvtsi128_si32(bytes));
    std::memcpy(out, &value, 4);
}

} // namespace exporting::detail

#endif
