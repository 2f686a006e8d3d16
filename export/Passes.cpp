#include "export/Passes.h"

#include "export/Channels.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace exporting::detail {

namespace {

constexpr std::int64_t LargestPackedTotal = 4096;

std::size_t RoundUp(std::size_t value, std::size_t multiple)
{
    return (value + multiple - 1) / multiple * multiple;
}

std::uint32_t WrappedTotal(const std::int32_t* weights, std::size_t count)
{
    std::uint32_t total = 0;
    for (std::size_t k = 0; k < count; ++k)
        total += static_cast<std::uint32_t>(weights[k]);
    return total;
}

void StorePixel(std::uint8_t* pixel, const std::array<std::uint8_t, 3>& value)
{
    std::memcpy(pixel, value.data(), 3);
}

// Extended pixels of source row y, 3 bytes each, followed by zero padding.
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

void WidthPassPortable(const WidthPlan& plan, const std::uint8_t* extended, std::uint8_t* out)
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

void HeightPassPortable(const HeightPlan& plan, const std::uint8_t* work, std::size_t rowBytes,
                        std::size_t row, std::uint8_t* out)
{
    const std::uint32_t total = plan.totals[row];
    for (std::size_t x = 0; x < rowBytes; ++x) {
        std::uint32_t sum = 0;
        for (std::size_t p = plan.begin[row]; p < plan.begin[row + 1]; ++p) {
            const HeightPlan::Pair& pair = plan.pairs[p];
            const auto first = static_cast<std::int16_t>(pair.weights & 0xFFFF);
            const auto second = static_cast<std::int16_t>(std::uint32_t(pair.weights) >> 16);
            sum += static_cast<std::uint32_t>(first) * work[pair.first + std::ptrdiff_t(x)];
            sum += static_cast<std::uint32_t>(second) * work[pair.second + std::ptrdiff_t(x)];
        }
        out[x] = MixedValue(sum, total);
    }
}

#if defined(__SSE2__)

__m128i Divide(__m128i sums, __m128 scale, __m128 offset)
{
    __m128 value = _mm_add_ps(_mm_mul_ps(_mm_cvtepi32_ps(sums), scale), offset);
    value = _mm_min_ps(_mm_max_ps(value, _mm_setzero_ps()), _mm_set1_ps(255.0f));
    return _mm_cvttps_epi32(value);
}

// Pairs of neighbouring extended pixels widened to 16 bits, channel by channel:
// (b0 b1 g0 g1 r0 r1 . .) for pixels q and q + 1, ready for _mm_madd_epi16.
void PairPixels(const std::uint8_t* extended, std::size_t count, __m128i* pairs)
{
    const __m128i zero = _mm_setzero_si128();
    for (std::size_t q = 0; q < count; ++q) {
        const __m128i pixels = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(extended + 3 * q));
        const __m128i interleaved = _mm_unpacklo_epi8(pixels, _mm_srli_si128(pixels, 3));
        pairs[q] = _mm_unpacklo_epi8(interleaved, zero);
    }
}

__m128i MixColumn(const WidthPlan& plan, const __m128i* pairs, const __m128i* weights,
                  const float* divisor, int i)
{
    const std::size_t half = std::size_t(plan.taps) / 2;
    const __m128i* pair = pairs + plan.start[std::size_t(i)];
    const __m128i* weight = weights + std::size_t(i) * half;
    __m128i sums = _mm_madd_epi16(pair[0], _mm_loadu_si128(weight));
    for (std::size_t t = 1; t < half; ++t)
        sums = _mm_add_epi32(sums, _mm_madd_epi16(pair[2 * t], _mm_loadu_si128(weight + t)));
    return Divide(sums, _mm_set1_ps(divisor[0]), _mm_set1_ps(divisor[1]));
}

void Store4(std::uint8_t* out, __m128i bytes)
{
    for (int c = 0; c < 4; ++c) {
        const auto value = static_cast<std::uint32_t>(_mm_cvtsi128_si32(bytes));
        std::memcpy(out + 3 * c, &value, 4);
        bytes = _mm_srli_si128(bytes, 4);
    }
}

// Writes 4 bytes per pixel; the fourth lands on the next pixel or in the row's padding.
void WidthPassSse2(const WidthPlan& plan, const __m128i* pairs, std::uint8_t* out)
{
    const auto* weights = reinterpret_cast<const __m128i*>(plan.weights.data());
    const auto* divisors = reinterpret_cast<const float*>(plan.divisors.data());
    int i = 0;
    for (; i + 4 <= plan.targetWidth; i += 4) {
        const __m128i a = MixColumn(plan, pairs, weights, divisors + 2 * i, i);
        const __m128i b = MixColumn(plan, pairs, weights, divisors + 2 * i + 2, i + 1);
        const __m128i c = MixColumn(plan, pairs, weights, divisors + 2 * i + 4, i + 2);
        const __m128i d = MixColumn(plan, pairs, weights, divisors + 2 * i + 6, i + 3);
        Store4(out + 3 * std::size_t(i),
               _mm_packus_epi16(_mm_packs_epi32(a, b), _mm_packs_epi32(c, d)));
    }
    for (; i < plan.targetWidth; ++i) {
        const __m128i a = MixColumn(plan, pairs, weights, divisors + 2 * i, i);
        const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(a, a), a);
        const auto value = static_cast<std::uint32_t>(_mm_cvtsi128_si32(bytes));
        std::memcpy(out + 3 * std::size_t(i), &value, 4);
    }
}

void HeightPassSse2(const HeightPlan& plan, const std::uint8_t* work, std::size_t rowBytes,
                    std::size_t row, std::uint8_t* out)
{
    const __m128 scale = _mm_set1_ps(plan.divisors[row].scale);
    const __m128 offset = _mm_set1_ps(plan.divisors[row].offset);
    const __m128i zero = _mm_setzero_si128();
    const HeightPlan::Pair* first = plan.pairs.data() + plan.begin[row];
    const HeightPlan::Pair* last = plan.pairs.data() + plan.begin[row + 1];
    for (std::size_t x = 0; x < rowBytes; x += 16) {
        __m128i sums0 = zero;
        __m128i sums1 = zero;
        __m128i sums2 = zero;
        __m128i sums3 = zero;
        for (const HeightPlan::Pair* pair = first; pair != last; ++pair) {
            const __m128i a =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(work + pair->first + x));
            const __m128i b =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(work + pair->second + x));
            const __m128i weights = _mm_set1_epi32(pair->weights);
            const __m128i low = _mm_unpacklo_epi8(a, b);
            const __m128i high = _mm_unpackhi_epi8(a, b);
            sums0 = _mm_add_epi32(sums0, _mm_madd_epi16(_mm_unpacklo_epi8(low, zero), weights));
            sums1 = _mm_add_epi32(sums1, _mm_madd_epi16(_mm_unpackhi_epi8(low, zero), weights));
            sums2 = _mm_add_epi32(sums2, _mm_madd_epi16(_mm_unpacklo_epi8(high, zero), weights));
            sums3 = _mm_add_epi32(sums3, _mm_madd_epi16(_mm_unpackhi_epi8(high, zero), weights));
        }
        const __m128i bytes = _mm_packus_epi16(
            _mm_packs_epi32(Divide(sums0, scale, offset), Divide(sums1, scale, offset)),
            _mm_packs_epi32(Divide(sums2, scale, offset), Divide(sums3, scale, offset)));
        if (x + 16 <= rowBytes) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), bytes);
        } else {
            alignas(16) std::uint8_t tail[16];
            _mm_store_si128(reinterpret_cast<__m128i*>(tail), bytes);
            std::memcpy(out + x, tail, rowBytes - x);
        }
    }
}

#endif

} // namespace

WorkPicture::WorkPicture(int width, int height)
    : width_(width), height_(height),
      pitch_(static_cast<std::ptrdiff_t>(RoundUp(3 * std::size_t(width) + 1, 16)))
{
    if (height > 0 &&
        std::size_t(pitch_) > std::numeric_limits<std::size_t>::max() / std::size_t(height))
        throw std::bad_alloc();
    bytes_.reset(new std::uint8_t[std::size_t(pitch_) * std::size_t(height)]);
    // The first pass writes every pixel; the padding is read by the second pass's 16-byte loads.
    const std::size_t pixelBytes = 3 * std::size_t(width);
    for (int y = 0; y < height; ++y)
        std::memset(row(y) + pixelBytes, 0, std::size_t(pitch_) - pixelBytes);
}

bool Packable(const std::int32_t* weights, std::size_t count, Divisor& divisor)
{
    std::int64_t total = 0;
    for (std::size_t k = 0; k < count; ++k) {
        if (weights[k] < std::numeric_limits<std::int16_t>::min() ||
            weights[k] > std::numeric_limits<std::int16_t>::max())
            return false;
        total += weights[k];
    }
    if (total == 0 || total > LargestPackedTotal || total < -LargestPackedTotal)
        return false;
    divisor.scale = 1.0f / static_cast<float>(total);
    divisor.offset = 0.5f / static_cast<float>(total < 0 ? -total : total);
    return true;
}

WidthPlan PlanWidthPass(const WindowWeights& windows, int sourceWidth)
{
    WidthPlan plan;
    plan.sourceWidth = sourceWidth;
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
            lowest = std::min(lowest, windows.First[c]);
        } else {
            plan.exact.push_back(i);
        }
    }
    if (lowest == std::numeric_limits<std::int64_t>::max())
        lowest = 0;
    plan.firstPosition = lowest;
    plan.taps = static_cast<int>(std::max<std::size_t>(2, RoundUp(longest, 2)));

    const std::size_t half = std::size_t(plan.taps) / 2;
    plan.start.assign(columns, 0);
    plan.weights.assign(columns * half * 8, 0);
    std::size_t extended = std::size_t(plan.taps);
    for (int i = 0; i < plan.targetWidth; ++i) {
        const auto c = std::size_t(i);
        if (!packed[c])
            continue;
        plan.start[c] = std::size_t(windows.First[c] - lowest);
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
                  WorkPicture& work, PassCode code)
{
    const std::size_t extendedPixels = plan.source.size();
    // 8 spare bytes: the SSE2 code reads 8 bytes from every pixel's first byte on.
    std::vector<std::uint8_t> extended(3 * extendedPixels + 8, 0);
#if defined(__SSE2__)
    struct alignas(16) Block {
        std::int16_t lanes[8];
    };
    std::vector<Block> blocks(code == PassCode::Vector ? extendedPixels - 1 : 0);
    auto* pairs = reinterpret_cast<__m128i*>(blocks.data());
#endif
    for (int y = 0; y < source.height(); ++y) {
        ExtendRow(plan, source.pixel(0, y), extended.data());
#if defined(__SSE2__)
        if (code == PassCode::Vector) {
            PairPixels(extended.data(), blocks.size(), pairs);
            WidthPassSse2(plan, pairs, work.row(y));
        } else {
            WidthPassPortable(plan, extended.data(), work.row(y));
        }
#else
        (void)code;
        WidthPassPortable(plan, extended.data(), work.row(y));
#endif
        if (!plan.exact.empty()) {
            LoadChannels(source.width(), 3, source.pixel(0, y));
            for (const std::int32_t i : plan.exact) {
                const TContributorEntry& entry = list[std::size_t(i)];
                StorePixel(work.row(y) + 3 * std::size_t(i),
                           MixContributors(entry.N, entry.Contributors));
            }
        }
    }
}

HeightPlan PlanHeightPass(const TContributorList& list, const WorkPicture& work)
{
    HeightPlan plan;
    const std::size_t rows = list.size();
    plan.begin.reserve(rows + 1);
    plan.begin.push_back(0);
    plan.divisors.resize(rows);
    plan.totals.resize(rows);
    plan.packed.resize(rows);
    std::vector<std::int32_t> weights;
    for (std::size_t i = 0; i < rows; ++i) {
        const TContributorEntry& entry = list[i];
        const auto count = std::size_t(entry.N);
        weights.resize(count);
        for (std::size_t k = 0; k < count; ++k)
            weights[k] = entry.Contributors[k].Weight;
        plan.totals[i] = WrappedTotal(weights.data(), count);
        plan.packed[i] = Packable(weights.data(), count, plan.divisors[i]);
        if (plan.packed[i]) {
            for (std::size_t k = 0; k < count; k += 2) {
                const TContributor& a = entry.Contributors[k];
                // An odd last contributor is paired with itself at weight 0.
                const TContributor& b = k + 1 < count ? entry.Contributors[k + 1] : a;
                const std::int32_t second = k + 1 < count ? b.Weight : 0;
                plan.pairs.push_back({a.Pixel * work.pitch(), b.Pixel * work.pitch(),
                                      std::int32_t((std::uint32_t(a.Weight) & 0xFFFF) |
                                                   (std::uint32_t(second) << 16))});
            }
        } else {
            plan.exact.push_back(std::int32_t(i));
        }
        plan.begin.push_back(plan.pairs.size());
    }
    return plan;
}

void RunHeightPass(const HeightPlan& plan, const TContributorList& list, const WorkPicture& work,
                   Bitmap& target, PassCode code)
{
    const std::size_t rowBytes = 3 * std::size_t(target.width());
    const std::uint8_t* base = work.row(0);
    for (int i = 0; i < target.height(); ++i) {
        if (!plan.packed[std::size_t(i)])
            continue;
#if defined(__SSE2__)
        if (code == PassCode::Vector) {
            HeightPassSse2(plan, base, rowBytes, std::size_t(i), target.pixel(0, i));
            continue;
        }
#else
        (void)code;
#endif
        HeightPassPortable(plan, base, rowBytes, std::size_t(i), target.pixel(0, i));
    }
    if (plan.exact.empty())
        return;
    for (int x = 0; x < target.width(); ++x) {
        LoadChannels(work.height(), work.pitch(), work.row(0) + 3 * std::size_t(x));
        for (const std::int32_t i : plan.exact) {
            const TContributorEntry& entry = list[std::size_t(i)];
            StorePixel(target.pixel(x, i), MixContributors(entry.N, entry.Contributors));
        }
    }
}

} // namespace exporting::detail
