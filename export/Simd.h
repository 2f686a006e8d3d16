#pragma once

// What the SSE2 and AVX2 code of the passes and of the Lanczos3 weights shares.

#if defined(__SSE2__)
#define EXPORTING_X86 1
#include <immintrin.h>

#include <cstdint>
#include <cstring>

// AVX2 code is compiled for AVX2 function by function and only called where the processor
// has it, so the program as a whole still runs on any x86-64.
#define EXPORTING_AVX2 __attribute__((target("avx2")))

namespace exporting::detail {

// sums * scale + offset (see Divisor), at most 255 and cut. Negative values stay negative (or
// become the integer -2^31), which the saturating packs to bytes then turn into 0.
inline __m128i Divide(__m128i sums, __m128 scale, __m128 offset)
{
    const __m128 value = _mm_add_ps(_mm_mul_ps(_mm_cvtepi32_ps(sums), scale), offset);
    return _mm_cvttps_epi32(_mm_min_ps(value, _mm_set1_ps(255.0f)));
}

EXPORTING_AVX2 inline __m256i Divide(__m256i sums, __m256 scale, __m256 offset)
{
    const __m256 value = _mm256_add_ps(_mm256_mul_ps(_mm256_cvtepi32_ps(sums), scale), offset);
    return _mm256_cvttps_epi32(_mm256_min_ps(value, _mm256_set1_ps(255.0f)));
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

// The same with AVX2 for two rows, one in each 128-bit half: the pixels are packed to 12 bytes
// and stored with 16, so rows need 4 bytes of padding.
EXPORTING_AVX2 inline void StoreFourPixels(std::uint8_t* first, std::uint8_t* second, __m256i bytes)
{
    const __m256i order = _mm256_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1,
                                           0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    const __m256i packed = _mm256_shuffle_epi8(bytes, order);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(first), _mm256_castsi256_si128(packed));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(second), _mm256_extracti128_si256(packed, 1));
}

inline void StorePixel(std::uint8_t* out, __m128i bytes)
{
    const auto value = static_cast<std::uint32_t>(_mm_cvtsi128_si32(bytes));
    std::memcpy(out, &value, 4);
}

} // namespace exporting::detail

#endif
