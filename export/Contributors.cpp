#include "export/Contributors.h"

#include <algorithm>
#include <cmath>

namespace exporting {

namespace {

using Extended = long double;

// Floor and ceiling through rint, which needs no change of the x87 rounding mode (the library's
// floor and a direct conversion to an integer each switch it twice, which is slow); the integral
// result is exact in double, whose conversion to an integer is a plain SSE instruction.
std::int64_t Floor(Extended value)
{
    Extended rounded = std::rint(value);
    if (rounded > value)
        rounded -= 1;
    return static_cast<std::int64_t>(static_cast<double>(rounded));
}

std::int64_t Ceil(Extended value)
{
    Extended rounded = std::rint(value);
    if (rounded < value)
        rounded += 1;
    return static_cast<std::int64_t>(static_cast<double>(rounded));
}

} // namespace

float ScaleFactor(int sourceLength, int destinationLength)
{
    if (sourceLength == 1 || destinationLength == 1)
        return static_cast<float>(Extended(destinationLength) / sourceLength);
    return static_cast<float>(Extended(destinationLength - 1) / (sourceLength - 1));
}

std::int32_t ReflectPosition(std::int64_t j, std::int32_t n)
{
    if (j >= 0 && j < n)
        return static_cast<std::int32_t>(j);
    if (j < 0 && j > -n)
        return static_cast<std::int32_t>(-j);
    if (j >= n && j < 2 * std::int64_t{n})
        return static_cast<std::int32_t>(2 * std::int64_t{n} - 1 - j);
    const std::int64_t period = 2 * std::int64_t{n} - 1;
    std::int64_t q = j % period;
    if (q < 0)
        q += period;
    return static_cast<std::int32_t>(q < n ? q : period - q);
}

WindowWeights ComputeWindowWeights(int m, float s, const Filter& filter, float radius)
{
    const bool shrinking = s < 1;
    const float w = shrinking ? static_cast<float>(Extended{radius} / s) : radius;
    // Farther than this from the centre every kernel argument, even rounded to single
    // precision, exceeds the kernel's support, so the weight is 0. The window is cut there,
    // which also keeps huge radii cheap.
    const Extended support = Extended{filter.radius} * (1 + 0x1p-20L);
    const Extended reach = shrinking ? support / s : support;

    // All kernel arguments first, so that the kernel can take them in one batch.
    std::vector<float> centres(static_cast<std::size_t>(m));
    std::vector<std::int64_t> firstPosition(static_cast<std::size_t>(m));
    std::vector<std::size_t> begin(static_cast<std::size_t>(m) + 1);
    std::size_t count = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(m); ++i) {
        const auto centre = static_cast<float>(Extended(i) / s);
        // A wider window than the reach (w may even be infinite) is cut to the reach alone.
        std::int64_t first = Ceil(Extended{centre} - reach);
        std::int64_t last = Floor(Extended{centre} + reach);
        if (w < reach) {
            first = std::max(first, Floor(Extended{centre} - w));
            last = std::min(last, Ceil(Extended{centre} + w));
        }
        centres[i] = centre;
        firstPosition[i] = first;
        begin[i] = count;
        count += static_cast<std::size_t>(last - first + 1);
    }
    begin.back() = count;
    std::vector<float> arguments(count);
    for (std::size_t i = 0; i < static_cast<std::size_t>(m); ++i) {
        float* argument = arguments.data() + begin[i];
        const std::size_t size = begin[i + 1] - begin[i];
        const Extended centre = centres[i];
        const auto first = static_cast<Extended>(firstPosition[i]);
        if (shrinking) {
            for (std::size_t k = 0; k < size; ++k)
                argument[k] = static_cast<float>((centre - (first + k)) * s);
        } else {
            for (std::size_t k = 0; k < size; ++k)
                argument[k] = static_cast<float>(centre - (first + k));
        }
    }

    const double factor = shrinking ? double{s} * 256 : 256;
    std::vector<std::int32_t> weights(count);
    if (filter.weights) {
        filter.weights(arguments.data(), weights.data(), arguments.size(), factor);
    } else {
        for (std::size_t k = 0; k < arguments.size(); ++k)
            weights[k] = WeightOf(filter.kernel(arguments[k]), factor);
    }

    WindowWeights windows;
    windows.values.reserve(count);
    windows.first.reserve(static_cast<std::size_t>(m));
    windows.offsets.reserve(static_cast<std::size_t>(m) + 1);
    windows.offsets.push_back(0);
    for (std::size_t i = 0; i < static_cast<std::size_t>(m); ++i) {
        std::int64_t firstNonZero = 0;
        const std::size_t entryBegin = windows.values.size();
        std::size_t end = entryBegin;
        for (std::size_t k = begin[i]; k < begin[i + 1]; ++k) {
            const std::int32_t weight = weights[k];
            if (weight == 0 && end == entryBegin)
                continue;
            if (end == entryBegin)
                firstNonZero = firstPosition[i] + static_cast<std::int64_t>(k - begin[i]);
            windows.values.push_back(weight);
            if (weight != 0)
                end = windows.values.size();
        }
        windows.values.resize(end);
        windows.first.push_back(firstNonZero);
        windows.offsets.push_back(end);
    }
    return windows;
}

WindowWeights WindowWeights::prefix(int m) const
{
    WindowWeights part;
    part.first.assign(first.begin(), first.begin() + m);
    part.offsets.assign(offsets.begin(), offsets.begin() + m + 1);
    part.values.assign(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(offsets[m]));
    return part;
}

TContributorEntry EntryFrom(const WindowWeights& windows, int n, int i)
{
    const std::int32_t* weights = windows.weights(i);
    const std::size_t size = windows.size(i);
    const std::int64_t first = windows.first[static_cast<std::size_t>(i)];
    TContributorEntry entry;
    entry.Contributors.reserve(static_cast<std::size_t>(
        std::count_if(weights, weights + size, [](std::int32_t w) { return w != 0; })));
    for (std::size_t k = 0; k < size; ++k) {
        if (weights[k] != 0)
            entry.Contributors.push_back(
                {weights[k], ReflectPosition(first + static_cast<std::int64_t>(k), n)});
    }
    entry.N = static_cast<std::int32_t>(entry.Contributors.size());
    return entry;
}

TContributorList ContributorsFrom(const WindowWeights& windows, int n)
{
    TContributorList list(static_cast<std::size_t>(windows.count()));
    for (int i = 0; i < windows.count(); ++i)
        list[static_cast<std::size_t>(i)] = EntryFrom(windows, n, i);
    return list;
}

TContributorList BuildContributors(int n, int m, float s, const Filter& filter, float radius)
{
    return ContributorsFrom(ComputeWindowWeights(m, s, filter, radius), n);
}

} // namespace exporting
