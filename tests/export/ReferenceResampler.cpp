#include "ReferenceResampler.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace reference {

namespace {

using Extended = long double;

float Sinc(float t)
{
    if (t == 0)
        return 1;
    const auto u = static_cast<float>(3.14159265358979323846264338327950288L * t);
    return static_cast<float>(std::sin(Extended{u}) / u);
}

// Reflection as the algorithm states it; positions beyond its reach are reflected again until
// they land inside the line.
std::int32_t Reflect(std::int64_t j, std::int64_t n)
{
    while (j < 0 || j >= n)
        j = j < 0 ? -j : 2 * n - 1 - j;
    return static_cast<std::int32_t>(j);
}

struct Channels {
    std::vector<std::int32_t> red, green, blue;
};

void Load(Channels& channels, int count, std::ptrdiff_t step, const std::uint8_t* first)
{
    channels.red.assign(static_cast<std::size_t>(count), 0);
    channels.green.assign(static_cast<std::size_t>(count), 0);
    channels.blue.assign(static_cast<std::size_t>(count), 0);
    for (int k = 0; k < count; ++k) {
        const std::uint8_t* pixel = first + k * step;
        channels.blue[k] = pixel[0];
        channels.green[k] = pixel[1];
        channels.red[k] = pixel[2];
    }
}

std::uint8_t Value(std::int32_t sum, std::int32_t total)
{
    std::int64_t value;
    if (total != 0)
        value = std::int64_t{sum} / total;
    else
        value = static_cast<std::uint32_t>(sum) >> 8;
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(value, 0, 255));
}

// 32-bit sums that wrap, kept in unsigned arithmetic.
std::int32_t Add(std::int32_t a, std::int64_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

void Mix(const Entry& entry, const Channels& channels, std::uint8_t* out)
{
    std::int32_t total = 0, red = 0, green = 0, blue = 0;
    for (const Contributor& c : entry) {
        total = Add(total, c.weight);
        red = Add(red, std::int64_t{c.weight} * channels.red[c.pixel]);
        green = Add(green, std::int64_t{c.weight} * channels.green[c.pixel]);
        blue = Add(blue, std::int64_t{c.weight} * channels.blue[c.pixel]);
    }
    out[2] = Value(red, total);
    out[1] = Value(green, total);
    out[0] = Value(blue, total);
}

float KernelValue(int filter, float x)
{
    const Extended a = std::fabs(x);
    switch (filter) {
    case 0:
        return (x > -0.5f && x <= 0.5f) ? 1 : 0;
    case 1:
        return a < 1 ? static_cast<float>(1 - a) : 0;
    case 2:
        return a < 1 ? static_cast<float>(2 * a * a * a - 3 * a * a + 1) : 0;
    case 3:
        if (a < 0.5L)
            return static_cast<float>(0.75L - a * a);
        if (a < 1.5L)
            return static_cast<float>(0.5L * (a - 1.5L) * (a - 1.5L));
        return 0;
    case 4:
        if (a < 1)
            return static_cast<float>(0.5L * a * a * a - a * a + 2.0L / 3.0L);
        if (a < 2)
            return static_cast<float>((2 - a) * (2 - a) * (2 - a) / 6);
        return 0;
    case 5: {
        if (a >= 3)
            return 0;
        const auto first = Sinc(static_cast<float>(a));
        const auto second = Sinc(static_cast<float>(a / 3));
        return static_cast<float>(Extended{first} * second);
    }
    default:
        if (a < 1)
            return static_cast<float>((7 * a * a * a - 12 * a * a + 16.0L / 3.0L) / 6);
        if (a < 2)
            return static_cast<float>(
                (-(7.0L / 3.0L) * a * a * a + 12 * a * a - 20 * a + 32.0L / 3.0L) / 6);
        return 0;
    }
}

} // namespace

KernelFunction Kernel(int filter)
{
    return [filter](float x) { return KernelValue(filter, x); };
}

float DefaultRadius(int filter)
{
    constexpr std::array<float, 7> radii{0.5f, 1, 1, 1.5f, 2, 3, 2};
    return radii[static_cast<std::size_t>(filter)];
}

float Scale(int sourceLength, int destinationLength)
{
    if (sourceLength == 1 || destinationLength == 1)
        return static_cast<float>(Extended(destinationLength) / sourceLength);
    return static_cast<float>(Extended(destinationLength - 1) / (sourceLength - 1));
}

std::vector<Entry> Contributors(int n, int m, float s, const KernelFunction& kernel, float radius)
{
    std::vector<Entry> list(static_cast<std::size_t>(m));
    const float w = s >= 1 ? radius : static_cast<float>(Extended{radius} / s);
    for (int i = 0; i < m; ++i) {
        const auto centre = static_cast<float>(Extended(i) / s);
        const auto first = static_cast<std::int64_t>(std::floor(Extended{centre} - w));
        const auto last = static_cast<std::int64_t>(std::ceil(Extended{centre} + w));
        for (std::int64_t j = first; j <= last; ++j) {
            Extended weight;
            if (s >= 1) {
                const auto x = static_cast<float>(Extended{centre} - j);
                weight = std::nearbyint(Extended{kernel(x)} * 256);
            } else {
                const auto x = static_cast<float>((Extended{centre} - j) * s);
                weight = std::nearbyint(Extended{kernel(x)} * s * 256);
            }
            if (weight == 0)
                continue;
            list[static_cast<std::size_t>(i)].push_back(
                {static_cast<std::int32_t>(weight), Reflect(j, n)});
        }
    }
    return list;
}

exporting::Bitmap Stretch(const exporting::Bitmap& source, int width, int height,
                          const KernelFunction& kernel, float radius)
{
    exporting::Bitmap target(width, height);
    if (source.width() == 0 || source.height() == 0 || width == 0 || height == 0)
        return target;
    exporting::Bitmap work(width, source.height());
    Channels channels;

    const auto columns =
        Contributors(source.width(), width, Scale(source.width(), width), kernel, radius);
    for (int y = 0; y < source.height(); ++y) {
        Load(channels, source.width(), 3, source.pixel(0, y));
        for (int x = 0; x < width; ++x)
            Mix(columns[static_cast<std::size_t>(x)], channels, work.pixel(x, y));
    }

    const auto rows =
        Contributors(source.height(), height, Scale(source.height(), height), kernel, radius);
    for (int x = 0; x < width; ++x) {
        Load(channels, source.height(), work.pitch(), work.pixel(x, 0));
        for (int y = 0; y < height; ++y)
            Mix(rows[static_cast<std::size_t>(y)], channels, target.pixel(x, y));
    }
    return target;
}

} // namespace reference
