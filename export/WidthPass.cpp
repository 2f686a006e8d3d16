#include "export/Channels.h"
#include "export/Passes.h"
#include "export/Simd.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace exporting::detail {

namespace {

std::size_t RoundUpToEven(std::size_t value)
{
    return value + value % 2;
}

// The extended pixels of one source row, 3 bytes each.
void ExtendRow(const WidthPlan& plan, const std::uint8_t* row, std::uint8_t* extended)
{
    for (std::size_t q = 0; q < plan.directBegin; ++q)
        std::memcpy(extended + 3 * q, row + 3 * std::size_t(plan.source[q]), 3);
    if (plan.directEnd > plan.directBegin)
        std::memcpy(extended + 3 * plan.directBegin,
                    row + 3 * std::size_t(plan.source[plan.directBegin]),
                    3 * (plan.directEnd - plan.directBegin));
    for (std::size_t q = plan.directEnd; q < plan.source.size(); ++q)
        std::memcpy(extended + 3 * q, row + 3 * std::size_t(plan.source[q]), 3);
}

void MixRowPortable(const WidthPlan& plan, const std::uint8_t* extended, std::uint8_t* out)
{
    const std::size_t half = std::size_t(plan.taps) / 2;
    for (int i = 0; i < plan.targetWidth; ++i) {
        const std::int16_t* weights = plan.weights.data() + std::size_t(i) * half * 8;
        const std::uint8_t* pixel = extended + 3 * plan.start[std::size_t(i)];
        std::uint32_t blue = 0;
        std::uint32_t green = 0;
        std::uint32_t red = 0;
        for (std::size_t k = 0; k < std::size_t(plan.taps); ++k, pixel += 3) {
            const auto weight = static_cast<std::uint32_t>(weights[k / 2 * 8 + k % 2]);
            blue += weight * pixel[0];
            green += weight * pixel[1];
            red += weight * pixel[2];
        }
        const std::uint32_t total = plan.totals[std::size_t(i)];
        out[3 * std::size_t(i)] = MixedValue(blue, total);
        out[3 * std::size_t(i) + 1] = MixedValue(green, total);
        out[3 * std::size_t(i) + 2] = MixedValue(red, total);
    }
}

#if defined(EXPORTING_X86)

// Neighbouring extended pixels q and q + 1 widened to 16 bits channel by channel,
// (b0 b1 g0 g1 r0 r1 . .), ready for madd.
void PairPixels(const std::uint8_t* extended, std::size_t count, __m128i* pairs)
{
    const __m128i zero = _mm_setzero_si128();
    for (std::size_t q = 0; q < count; ++q) {
        const __m128i pixels = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(extended + 3 * q));
        const __m128i interleaved = _mm_unpacklo_epi8(pixels, _mm_srli_si128(pixels, 3));
        pairs[q] = _mm_unpacklo_epi8(interleaved, zero);
    }
}

// Both rows' pairs in one 32-byte block per extended pixel, the first row in the low half.
EXPORTING_AVX2 void PairPixels(const std::uint8_t* first, const std::uint8_t* second,
                               std::size_t count, __m256i* pairs)
{
    const __m256i zero = _mm256_setzero_si256();
    std::size_t q = 0;
    // Two extended pixels at a time from 16 bytes of each line.
    for (; q + 2 <= count; q += 2) {
        const __m256i pixels =
            _mm256_set_m128i(_mm_loadu_si128(reinterpret_cast<const __m128i*>(second + 3 * q)),
                             _mm_loadu_si128(reinterpret_cast<const __m128i*>(first + 3 * q)));
        const __m256i next = _mm256_srli_si256(pixels, 3);
        const __m256i afterNext = _mm256_srli_si256(pixels, 6);
        _mm256_store_si256(pairs + q,
                           _mm256_unpacklo_epi8(_mm256_unpacklo_epi8(pixels, next), zero));
        _mm256_store_si256(pairs + q + 1,
                           _mm256_unpacklo_epi8(_mm256_unpacklo_epi8(next, afterNext), zero));
    }
    for (; q < count; ++q) {
        const __m256i pixels =
            _mm256_set_m128i(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(second + 3 * q)),
                             _mm_loadl_epi64(reinterpret_cast<const __m128i*>(first + 3 * q)));
        const __m256i interleaved = _mm256_unpacklo_epi8(pixels, _mm256_srli_si256(pixels, 3));
        _mm256_store_si256(pairs + q, _mm256_unpacklo_epi8(interleaved, zero));
    }
}

// Half is the number of tap pairs, or 0 for a number known only at run time.
template <int Half> std::size_t PairsOf(const WidthPlan& plan)
{
    return Half ? std::size_t(Half) : std::size_t(plan.taps) / 2;
}

template <int Half>
__m128i MixColumn(const WidthPlan& plan, const __m128i* pairs, const __m128i* weights,
                  const float* divisor, std::size_t i)
{
    const std::size_t half = PairsOf<Half>(plan);
    const __m128i* pair = pairs + plan.start[i];
    const __m128i* weight = weights + i * half;
    __m128i sums = _mm_madd_epi16(pair[0], _mm_loadu_si128(weight));
    for (std::size_t t = 1; t < half; ++t)
        sums = _mm_add_epi32(sums, _mm_madd_epi16(pair[2 * t], _mm_loadu_si128(weight + t)));
    return Divide(sums, _mm_set1_ps(divisor[2 * i]), _mm_set1_ps(divisor[2 * i + 1]));
}

template <int Half> void MixRowSse2(const WidthPlan& plan, const __m128i* pairs, std::uint8_t* out)
{
    const auto* weights = reinterpret_cast<const __m128i*>(plan.weights.data());
    const auto* divisors = reinterpret_cast<const float*>(plan.divisors.data());
    const auto columns = std::size_t(plan.targetWidth);
    std::size_t i = 0;
    for (; i + 4 <= columns; i += 4) {
        const __m128i a = MixColumn<Half>(plan, pairs, weights, divisors, i);
        const __m128i b = MixColumn<Half>(plan, pairs, weights, divisors, i + 1);
        const __m128i c = MixColumn<Half>(plan, pairs, weights, divisors, i + 2);
        const __m128i d = MixColumn<Half>(plan, pairs, weights, divisors, i + 3);
        StoreFourPixels(out + 3 * i,
                        _mm_packus_epi16(_mm_packs_epi32(a, b), _mm_packs_epi32(c, d)));
    }
    for (; i < columns; ++i) {
        const __m128i a = MixColumn<Half>(plan, pairs, weights, divisors, i);
        StorePixel(out + 3 * i, _mm_packus_epi16(_mm_packs_epi32(a, a), a));
    }
}

// Two rows at once: the low 128 bits of every pair block belong to the first row, the high
// 128 bits to the second, and both use the same weights.
template <int Half>
EXPORTING_AVX2 __m256i MixColumns(const WidthPlan& plan, const __m256i* pairs,
                                  const __m128i* weights, const float* divisor, std::size_t i)
{
    const std::size_t half = PairsOf<Half>(plan);
    const __m256i* pair = pairs + plan.start[i];
    const __m128i* weight = weights + i * half;
    __m256i sums = _mm256_madd_epi16(pair[0], _mm256_broadcastsi128_si256(_mm_loadu_si128(weight)));
    for (std::size_t t = 1; t < half; ++t)
        sums = _mm256_add_epi32(
            sums, _mm256_madd_epi16(pair[2 * t],
                                    _mm256_broadcastsi128_si256(_mm_loadu_si128(weight + t))));
    return Divide(sums, _mm256_set1_ps(divisor[2 * i]), _mm256_set1_ps(divisor[2 * i + 1]));
}

template <int Half>
EXPORTING_AVX2 void MixRowsAvx2(const WidthPlan& plan, const __m256i* pairs, std::uint8_t* first,
                                std::uint8_t* second)
{
    const auto* weights = reinterpret_cast<const __m128i*>(plan.weights.data());
    const auto* divisors = reinterpret_cast<const float*>(plan.divisors.data());
    const auto columns = std::size_t(plan.targetWidth);
    std::size_t i = 0;
    for (; i + 4 <= columns; i += 4) {
        const __m256i a = MixColumns<Half>(plan, pairs, weights, divisors, i);
        const __m256i b = MixColumns<Half>(plan, pairs, weights, divisors, i + 1);
        const __m256i c = MixColumns<Half>(plan, pairs, weights, divisors, i + 2);
        const __m256i d = MixColumns<Half>(plan, pairs, weights, divisors, i + 3);
        const __m256i bytes =
            _mm256_packus_epi16(_mm256_packs_epi32(a, b), _mm256_packs_epi32(c, d));
        StoreFourPixels(first + 3 * i, second + 3 * i, bytes);
    }
    for (; i < columns; ++i) {
        const __m256i a = MixColumns<Half>(plan, pairs, weights, divisors, i);
        const __m256i bytes = _mm256_packus_epi16(_mm256_packs_epi32(a, a), a);
        StorePixel(first + 3 * i, _mm256_castsi256_si128(bytes));
        StorePixel(second + 3 * i, _mm256_extracti128_si256(bytes, 1));
    }
}

// Calls the row mixer compiled for the plan's number of tap pairs.
template <template <int> class Mixer, class... Arguments>
void WithPairs(const WidthPlan& plan, Arguments... arguments)
{
    switch (plan.taps / 2) {
    case 1:
        return Mixer<1>::run(plan, arguments...);
    case 2:
        return Mixer<2>::run(plan, arguments...);
    case 3:
        return Mixer<3>::run(plan, arguments...);
    case 4:
        return Mixer<4>::run(plan, arguments...);
    case 5:
        return Mixer<5>::run(plan, arguments...);
    case 6:
        return Mixer<6>::run(plan, arguments...);
    case 7:
        return Mixer<7>::run(plan, arguments...);
    case 8:
        return Mixer<8>::run(plan, arguments...);
    default:
        return Mixer<0>::run(plan, arguments...);
    }
}

template <int Half> struct Sse2Mixer {
    static void run(const WidthPlan& plan, const __m128i* pairs, std::uint8_t* out)
    {
        MixRowSse2<Half>(plan, pairs, out);
    }
};

template <int Half> struct Avx2Mixer {
    EXPORTING_AVX2 static void run(const WidthPlan& plan, const __m256i* pairs, std::uint8_t* first,
                                   std::uint8_t* second)
    {
        MixRowsAvx2<Half>(plan, pairs, first, second);
    }
};

// Blocks of 16 or 32 bytes for the pairs of extended pixels.
struct alignas(32) PairBlock {
    std::int16_t lanes[16];
};

#endif

// Fills the columns whose entries the packed code cannot take.
void MixExactColumns(const WidthPlan& plan, const TContributorList& list, const Bitmap& source,
                     int y, std::uint8_t* out)
{
    if (plan.exact.empty())
        return;
    LoadChannels(source.width(), 3, source.pixel(0, y));
    for (const std::int32_t i : plan.exact) {
        const TContributorEntry& entry = list[std::size_t(i)];
        const std::array<std::uint8_t, 3> pixel = MixContributors(entry.N, entry.Contributors);
        std::memcpy(out + 3 * std::size_t(i), pixel.data(), 3);
    }
}

} // namespace

WidthPlan PlanWidthPass(const WindowWeights& windows, int sourceWidth)
{
    WidthPlan plan;
    plan.targetWidth = windows.count();
    const auto columns = std::size_t(plan.targetWidth);

    std::vector<bool> packed(columns);
    std::size_t longest = 0;
    std::int64_t lowest = std::numeric_limits<std::int64_t>::max();
    plan.divisors.resize(columns);
    plan.totals.resize(columns);
    for (int i = 0; i < plan.targetWidth; ++i) {
        const auto c = std::size_t(i);
        plan.totals[c] = WrappedTotal(windows.weights(i), windows.size(i));
        packed[c] = Packable(windows.weights(i), windows.size(i), plan.divisors[c]);
        if (packed[c]) {
            longest = std::max(longest, windows.size(i));
            lowest = std::min(lowest, windows.first[c]);
        } else {
            plan.exact.push_back(i);
        }
    }
    if (lowest == std::numeric_limits<std::int64_t>::max())
        lowest = 0;
    plan.taps = static_cast<int>(std::max<std::size_t>(2, RoundUpToEven(longest)));

    const std::size_t half = std::size_t(plan.taps) / 2;
    plan.start.assign(columns, 0);
    plan.weights.assign(columns * half * 8, 0);
    std::size_t extended = std::size_t(plan.taps);
    for (int i = 0; i < plan.targetWidth; ++i) {
        const auto c = std::size_t(i);
        if (!packed[c])
            continue;
        plan.start[c] = std::size_t(windows.first[c] - lowest);
        extended = std::max(extended, plan.start[c] + std::size_t(plan.taps));
        const std::int32_t* weights = windows.weights(i);
        for (std::size_t k = 0; k < windows.size(i); ++k) {
            std::int16_t* group = plan.weights.data() + (c * half + k / 2) * 8;
            for (int lane = 0; lane < 4; ++lane)
                group[2 * lane + k % 2] = static_cast<std::int16_t>(weights[k]);
        }
    }

    plan.source.resize(extended);
    for (std::size_t q = 0; q < extended; ++q)
        plan.source[q] = ReflectPosition(lowest + std::int64_t(q), sourceWidth);
    const std::int64_t directBegin = std::clamp<std::int64_t>(-lowest, 0, std::int64_t(extended));
    const std::int64_t directEnd =
        std::clamp<std::int64_t>(sourceWidth - lowest, directBegin, std::int64_t(extended));
    plan.directBegin = std::size_t(directBegin);
    plan.directEnd = std::size_t(directEnd);
    return plan;
}

void RunWidthPass(const WidthPlan& plan, const TContributorList& list, const Bitmap& source,
                  WorkPicture& work, InstructionSet set)
{
    const std::size_t extendedPixels = plan.source.size();
    // 16 spare bytes: the SIMD code reads up to 16 bytes from a pixel's first byte on, up to
    // the last pixel but one.
    const std::size_t extendedBytes = 3 * extendedPixels + 16;
    std::vector<std::uint8_t> extended(2 * extendedBytes, 0);
    std::uint8_t* const firstLine = extended.data();
    std::uint8_t* const secondLine = extended.data() + extendedBytes;
    const int rows = source.height();

#if defined(EXPORTING_X86)
    if (set == InstructionSet::Avx2 && Supports(InstructionSet::Avx2)) {
        std::vector<PairBlock> blocks(extendedPixels - 1);
        auto* pairs = reinterpret_cast<__m256i*>(blocks.data());
        std::vector<std::uint8_t> spareRow(std::size_t(work.pitch()));
        for (int y = 0; y < rows; y += 2) {
            const int next = std::min(y + 1, rows - 1);
            ExtendRow(plan, source.pixel(0, y), firstLine);
            ExtendRow(plan, source.pixel(0, next), secondLine);
            PairPixels(firstLine, secondLine, blocks.size(), pairs);
            std::uint8_t* second = next > y ? work.row(next) : spareRow.data();
            WithPairs<Avx2Mixer>(plan, static_cast<const __m256i*>(pairs), work.row(y), second);
            MixExactColumns(plan, list, source, y, work.row(y));
            if (next > y)
                MixExactColumns(plan, list, source, next, work.row(next));
        }
        return;
    }
    if (set != InstructionSet::Portable) {
        std::vector<PairBlock> blocks((extendedPixels - 1 + 1) / 2);
        auto* pairs = reinterpret_cast<__m128i*>(blocks.data());
        for (int y = 0; y < rows; ++y) {
            ExtendRow(plan, source.pixel(0, y), firstLine);
            PairPixels(firstLine, extendedPixels - 1, pairs);
            WithPairs<Sse2Mixer>(plan, static_cast<const __m128i*>(pairs), work.row(y));
            MixExactColumns(plan, list, source, y, work.row(y));
        }
        return;
    }
#else
    (void)set;
    (void)secondLine;
#endif
    for (int y = 0; y < rows; ++y) {
        ExtendRow(plan, source.pixel(0, y), firstLine);
        MixRowPortable(plan, firstLine, work.row(y));
        MixExactColumns(plan, list, source, y, work.row(y));
    }
}

} // namespace exporting::detail
