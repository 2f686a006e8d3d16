#include "export/Contributors.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace exporting {

namespace {

using Extended = long double;

} // namespace

float ScaleFactor(int sourceLength, int destinationLength)
{
    if (sourceLength == 1 || destinationLength == 1)
        return static_cast<float>(Extended(destinationLength) / sourceLength);
    return static_cast<float>(Extended(destinationLength - 1) / (sourceLength - 1));
}

std::int32_t ReflectPosition(std::int64_t j, std::int32_t n)
{
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
    // Beyond this distance from the centre every kernel argument exceeds the kernel's support
    // by at least 1, so the weight is 0; the window is cut there, which also keeps huge radii
    // cheap.
    const Extended reach =
        shrinking ? (Extended{filter.radius} + 1) / s : Extended{filter.radius} + 1;

    WindowWeights windows;
    windows.First.reserve(static_cast<std::size_t>(m));
    windows.Begin.reserve(static_cast<std::size_t>(m) + 1);
    windows.Begin.push_back(0);
    for (int i = 0; i < m; ++i) {
        const auto centre = static_cast<float>(Extended(i) / s);
        const auto first = static_cast<std::int64_t>(
            std::floor(std::max(Extended{centre} - w, Extended{centre} - reach)));
        const auto last = static_cast<std::int64_t>(
            std::ceil(std::min(Extended{centre} + w, Extended{centre} + reach)));

        std::int64_t firstNonZero = 0;
        const std::size_t begin = windows.Weights.size();
        std::size_t end = begin;
        for (std::int64_t j = first; j <= last; ++j) {
            const Extended distance = Extended{centre} - j;
            Extended product;
            if (shrinking) {
                const auto x = static_cast<float>(distance * s);
                product = Extended{filter.kernel(x)} * s * 256;
            } else {
                const auto x = static_cast<float>(distance);
                product = Extended{filter.kernel(x)} * 256;
            }
            // rint rounds ties to even in the default rounding mode.
            const Extended rounded = std::rint(product);
            if (!(std::fabs(rounded) <= std::numeric_limits<std::int32_t>::max()))
                throw std::invalid_argument(std::string("kernel of filter ") + filter.name +
                                            " gives a weight out of range");
            const auto weight = static_cast<std::int32_t>(rounded);
            if (weight == 0 && end == begin)
                continue;
            if (end == begin)
                firstNonZero = j;
            windows.Weights.push_back(weight);
            if (weight != 0)
                end = windows.Weights.size();
        }
        windows.Weights.resize(end);
        windows.First.push_back(firstNonZero);
        windows.Begin.push_back(end);
    }
    return windows;
}

TContributorList ContributorsFrom(const WindowWeights& windows, int n)
{
    TContributorList list(static_cast<std::size_t>(windows.count()));
    for (int i = 0; i < windows.count(); ++i) {
        const std::int32_t* weights = windows.weights(i);
        const std::size_t size = windows.size(i);
        TContributorEntry& entry = list[static_cast<std::size_t>(i)];
        entry.Contributors.reserve(static_cast<std::size_t>(
            std::count_if(weights, weights + size, [](std::int32_t w) { return w != 0; })));
        for (std::size_t k = 0; k < size; ++k) {
            if (weights[k] != 0)
                entry.Contributors.push_back(
                    {weights[k], ReflectPosition(windows.First[static_cast<std::size_t>(i)] +
                                                     static_cast<std::int64_t>(k),
                                                 n)});
        }
        entry.N = static_cast<std::int32_t>(entry.Contributors.size());
    }
    return list;
}

TContributorList BuildContributors(int n, int m, float s, const Filter& filter, float radius)
{
    return ContributorsFrom(ComputeWindowWeights(m, s, filter, radius), n);
}

} // namespace exporting
