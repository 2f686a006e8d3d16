#include "export/Channels.h"
#include "export/Passes.h"
#include "export/Simd.h"

#include <cstring>

namespace exporting::detail {

namespace {

void MixRowPortable(const HeightPlan& plan, const std::uint8_t* work, std::size_t rowBytes,
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

#if defined(EXPORTING_X86)

// 16 bytes of one destination row at byte x: the same 16 bytes of each pair of work rows
// interleaved and widened to 16 bits, (a0 b0 a1 b1 ...), times the weight pair, added to four
// sums of 4 bytes each.
inline __m128i MixSixteen(const HeightPlan::Pair* first, const HeightPlan::Pair* last,
                          const std::uint8_t* work, std::size_t x, __m128 scale, __m128 offset)
{
    const __m128i zero = _mm_setzero_si128();
    __m128i sums0 = zero;
    __m128i sums1 = zero;
    __m128i sums2 = zero;
    __m128i sums3 = zero;
    for (const HeightPlan::Pair* pair = first; pair != last; ++pair) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(work + pair->first + x));
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
    return _mm_packus_epi16(
        _mm_packs_epi32(Divide(sums0, scale, offset), Divide(sums1, scale, offset)),
        _mm_packs_epi32(Divide(sums2, scale, offset), Divide(sums3, scale, offset)));
}

// Stores the first `count` (at most 16) bytes.
inline void StoreBytes(std::uint8_t* out, __m128i bytes, std::size_t count)
{
    if (count >= 16) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), bytes);
    } else {
        alignas(16) std::uint8_t tail[16];
        _mm_store_si128(reinterpret_cast<__m128i*>(tail), bytes);
        std::memcpy(out, tail, count);
    }
}

void MixRowSse2(const HeightPlan& plan, const std::uint8_t* work, std::size_t rowBytes,
                std::size_t row, std::uint8_t* out)
{
    const __m128 scale = _mm_set1_ps(plan.divisors[row].scale);
    const __m128 offset = _mm_set1_ps(plan.divisors[row].offset);
    const HeightPlan::Pair* first = plan.pairs.data() + plan.begin[row];
    const HeightPlan::Pair* last = plan.pairs.data() + plan.begin[row + 1];
    for (std::size_t x = 0; x < rowBytes; x += 16)
        StoreBytes(out + x, MixSixteen(first, last, work, x, scale, offset), rowBytes - x);
}

// As above with 32 bytes; the unpack and pack instructions work within each 128-bit half, so
// the bytes come out in order. Pairs is the number of pairs of work rows, or 0 for a number
// known only at run time.
template <int Pairs>
EXPORTING_AVX2 void MixRowAvx2(const HeightPlan& plan, const std::uint8_t* work,
                               std::size_t rowBytes, std::size_t row, std::uint8_t* out)
{
    const __m256 scale = _mm256_set1_ps(plan.divisors[row].scale);
    const __m256 offset = _mm256_set1_ps(plan.divisors[row].offset);
    const __m256i zero = _mm256_setzero_si256();
    const HeightPlan::Pair* first = plan.pairs.data() + plan.begin[row];
    const HeightPlan::Pair* last = plan.pairs.data() + plan.begin[row + 1];
    const std::size_t count = Pairs ? std::size_t(Pairs) : std::size_t(last - first);
    std::size_t x = 0;
    for (; x + 16 < rowBytes; x += 32) {
        __m256i sums0 = zero;
        __m256i sums1 = zero;
        __m256i sums2 = zero;
        __m256i sums3 = zero;
        for (std::size_t p = 0; p < count; ++p) {
            const HeightPlan::Pair* pair = first + p;
            const __m256i a =
                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(work + pair->first + x));
            const __m256i b =
                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(work + pair->second + x));
            const __m256i weights = _mm256_set1_epi32(pair->weights);
            const __m256i low = _mm256_unpacklo_epi8(a, b);
            const __m256i high = _mm256_unpackhi_epi8(a, b);
            sums0 = _mm256_add_epi32(sums0,
                                     _mm256_madd_epi16(_mm256_unpacklo_epi8(low, zero), weights));
            sums1 = _mm256_add_epi32(sums1,
                                     _mm256_madd_epi16(_mm256_unpackhi_epi8(low, zero), weights));
            sums2 = _mm256_add_epi32(sums2,
                                     _mm256_madd_epi16(_mm256_unpacklo_epi8(high, zero), weights));
            sums3 = _mm256_add_epi32(sums3,
                                     _mm256_madd_epi16(_mm256_unpackhi_epi8(high, zero), weights));
        }
        const __m256i bytes = _mm256_packus_epi16(
            _mm256_packs_epi32(Divide(sums0, scale, offset), Divide(sums1, scale, offset)),
            _mm256_packs_epi32(Divide(sums2, scale, offset), Divide(sums3, scale, offset)));
        if (x + 32 <= rowBytes) {
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x), bytes);
        } else {
            alignas(32) std::uint8_t tail[32];
            _mm256_store_si256(reinterpret_cast<__m256i*>(tail), bytes);
            std::memcpy(out + x, tail, rowBytes - x);
        }
    }
    // A last piece of at most 16 bytes takes half the work with 16-byte vectors.
    if (x < rowBytes)
        StoreBytes(out + x,
                   MixSixteen(first, last, work, x, _mm256_castps256_ps128(scale),
                              _mm256_castps256_ps128(offset)),
                   rowBytes - x);
}

EXPORTING_AVX2 void MixRowAvx2(const HeightPlan& plan, const std::uint8_t* work,
                               std::size_t rowBytes, std::size_t row, std::uint8_t* out)
{
    switch (plan.begin[row + 1] - plan.begin[row]) {
    case 1:
        return MixRowAvx2<1>(plan, work, rowBytes, row, out);
    case 2:
        return MixRowAvx2<2>(plan, work, rowBytes, row, out);
    case 3:
        return MixRowAvx2<3>(plan, work, rowBytes, row, out);
    case 4:
        return MixRowAvx2<4>(plan, work, rowBytes, row, out);
    case 5:
        return MixRowAvx2<5>(plan, work, rowBytes, row, out);
    case 6:
        return MixRowAvx2<6>(plan, work, rowBytes, row, out);
    default:
        return MixRowAvx2<0>(plan, work, rowBytes, row, out);
    }
}

#endif

} // namespace

HeightPlan PlanHeightPass(const WindowWeights& windows, int sourceHeight, const WorkPicture& work)
{
    HeightPlan plan;
    const auto rows = std::size_t(windows.count());
    plan.begin.reserve(rows + 1);
    plan.begin.push_back(0);
    plan.divisors.resize(rows);
    plan.totals.resize(rows);
    plan.packed.resize(rows);
    std::vector<TContributor> contributors;
    for (std::size_t i = 0; i < rows; ++i) {
        const std::int32_t* weights = windows.weights(int(i));
        const std::size_t size = windows.size(int(i));
        plan.totals[i] = WrappedTotal(weights, size);
        plan.packed[i] = Packable(weights, size, plan.divisors[i]);
        if (!plan.packed[i]) {
            plan.exact.push_back(std::int32_t(i));
            plan.begin.push_back(plan.pairs.size());
            continue;
        }
        contributors.clear();
        for (std::size_t k = 0; k < size; ++k) {
            if (weights[k] != 0)
                contributors.push_back(
                    {weights[k],
                     ReflectPosition(windows.first[i] + std::int64_t(k), sourceHeight)});
        }
        for (std::size_t k = 0; k < contributors.size(); k += 2) {
            const TContributor& a = contributors[k];
            // An odd last contributor is paired with itself at weight 0.
            const bool single = k + 1 == contributors.size();
            const TContributor& b = single ? a : contributors[k + 1];
            const std::int32_t second = single ? 0 : b.Weight;
            plan.pairs.push_back(
                {a.Pixel * work.pitch(), b.Pixel * work.pitch(),
                 std::int32_t((std::uint32_t(a.Weight) & 0xFFFF) | (std::uint32_t(second) << 16))});
        }
        plan.begin.push_back(plan.pairs.size());
    }
    return plan;
}

void RunHeightPass(const HeightPlan& plan, const TContributorList& list, const WorkPicture& work,
                   Bitmap& target, InstructionSet set)
{
    const std::size_t rowBytes = 3 * std::size_t(target.width());
    const std::uint8_t* base = work.row(0);
    auto mix = MixRowPortable;
#if defined(EXPORTING_X86)
    if (set == InstructionSet::Avx2 && Supports(InstructionSet::Avx2))
        mix = MixRowAvx2;
    else if (set != InstructionSet::Portable)
        mix = MixRowSse2;
#else
    (void)set;
#endif
    for (int i = 0; i < target.height(); ++i) {
        if (plan.packed[std::size_t(i)])
            mix(plan, base, rowBytes, std::size_t(i), target.pixel(0, i));
    }
    if (plan.exact.empty())
        return;
    for (int x = 0; x < target.width(); ++x) {
        LoadChannels(work.height(), work.pitch(), work.row(0) + 3 * std::size_t(x));
        for (const std::int32_t i : plan.exact) {
            const TContributorEntry& entry = list[std::size_t(i)];
            const std::array<std::uint8_t, 3> pixel = MixContributors(entry.N, entry.Contributors);
            std::memcpy(target.pixel(x, i), pixel.data(), 3);
        }
    }
}

} // namespace exporting::detail
