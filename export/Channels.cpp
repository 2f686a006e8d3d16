#include "export/Channels.h"

#include <algorithm>
#include <vector>

namespace exporting {

namespace {

struct Scratch {
    std::vector<std::int32_t> red;
    std::vector<std::int32_t> green;
    std::vector<std::int32_t> blue;
};

thread_local Scratch scratch;

} // namespace

void LoadChannels(int count, std::ptrdiff_t step, const std::uint8_t* first)
{
    const auto length = static_cast<std::size_t>(count);
    scratch.red.resize(length);
    scratch.green.resize(length);
    scratch.blue.resize(length);
    const std::uint8_t* pixel = first;
    for (std::size_t k = 0; k < length; ++k, pixel += step) {
        scratch.blue[k] = pixel[0];
        scratch.green[k] = pixel[1];
        scratch.red[k] = pixel[2];
    }
}

void ReleaseChannels()
{
    scratch = Scratch{};
}

std::uint8_t MixedValue(std::uint32_t sum, std::uint32_t total)
{
    if (total == 0)
        return static_cast<std::uint8_t>(std::min<std::uint32_t>(sum >> 8, 255));
    // In 64 bits, so that -2^31 / -1 is no overflow.
    const std::int64_t quotient =
        std::int64_t{static_cast<std::int32_t>(sum)} / static_cast<std::int32_t>(total);
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(quotient, 0, 255));
}

std::array<std::uint8_t, 3> MixContributors(std::int32_t N, const TContributors& contributors)
{
    std::uint32_t total = 0;
    std::uint32_t red = 0;
    std::uint32_t green = 0;
    std::uint32_t blue = 0;
    for (std::int32_t k = 0; k < N; ++k) {
        const TContributor& contributor = contributors[static_cast<std::size_t>(k)];
        const auto weight = static_cast<std::uint32_t>(contributor.Weight);
        const auto pixel = static_cast<std::size_t>(contributor.Pixel);
        total += weight;
        red += weight * static_cast<std::uint32_t>(scratch.red[pixel]);
        green += weight * static_cast<std::uint32_t>(scratch.green[pixel]);
        blue += weight * static_cast<std::uint32_t>(scratch.blue[pixel]);
    }
    return {MixedValue(blue, total), MixedValue(green, total), MixedValue(red, total)};
}

} // namespace exporting
