#include "export/Passes.h"

#include "export/Simd.h"

#include <cstring>
#include <limits>
#include <new>

namespace exporting::detail {

namespace {

constexpr std::int64_t LargestPackedTotal = 4096;

std::size_t RoundUp(std::size_t value, std::size_t multiple)
{
    return (value + multiple - 1) / multiple * multiple;
}

} // namespace

WorkPicture::WorkPicture(int width, int height)
    : width_(width), height_(height),
      pitch_(static_cast<std::ptrdiff_t>(RoundUp(3 * std::size_t(width) + 4, 32)))
{
    if (height > 0 &&
        std::size_t(pitch_) > std::numeric_limits<std::size_t>::max() / std::size_t(height))
        throw std::bad_alloc();
    bytes_.reset(new std::uint8_t[std::size_t(pitch_) * std::size_t(height)]);
    // The first pass writes every pixel; the padding is read by the second pass's wide loads.
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

std::uint32_t WrappedTotal(const std::int32_t* weights, std::size_t count)
{
    std::uint32_t total = 0;
    for (std::size_t k = 0; k < count; ++k)
        total += static_cast<std::uint32_t>(weights[k]);
    return total;
}

} // namespace exporting::detail
