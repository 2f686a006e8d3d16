#pragma once

#include "export/Filters.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace exporting {

// One source pixel's share in one destination pixel.
struct TContributor {
    std::int32_t Weight; // in units of 1/256, never 0
    std::int32_t Pixel;  // position along the line, inside the picture
};

using TContributors = std::vector<TContributor>;

// All that one destination position needs: entries 0 .. N - 1 in increasing window position.
struct TContributorEntry {
    std::int32_t N = 0;
    TContributors Contributors;
};

// One entry per destination column (first pass) or destination row (second pass).
using TContributorList = std::vector<TContributorEntry>;

// The scale factor of one direction: (m - 1) / (n - 1), or m / n when either length is 1.
// Both lengths must be at least 1.
float ScaleFactor(int sourceLength, int destinationLength);

// The pixel that window position j reads in a line of n >= 1 pixels. Inside the picture the left
// (top) edge mirrors without repeating the edge pixel (-1 reads 1) and the right (bottom)
// edge mirrors repeating it (n reads n - 1). The two mirrors together make the line periodic
// with period 2n - 1, and positions beyond their reach (below -(n - 1) or above 2n - 1)
// continue that periodic line, so every position reads a pixel of the line.
std::int32_t ReflectPosition(std::int64_t j, std::int32_t n);

// The weights of every destination position by window position, before reflection: entry i
// holds the weights of positions first[i], first[i] + 1, ..., zeros inside the run included;
// zeros before its first and after its last non-zero weight are left out.
struct WindowWeights {
    std::vector<std::int64_t> first;
    std::vector<std::size_t> offsets; // entry i is values[offsets[i]] .. values[offsets[i + 1] - 1]
    std::vector<std::int32_t> values;

    int count() const { return static_cast<int>(first.size()); }
    std::size_t size(int i) const { return offsets[i + 1] - offsets[i]; }
    const std::int32_t* weights(int i) const { return values.data() + offsets[i]; }
    // The first m entries: those of the same scale, radius and filter with fewer positions.
    WindowWeights prefix(int m) const;
};

// Works out the kernel weights of m destination positions with scale s. The radius must be
// finite and not negative.
WindowWeights ComputeWindowWeights(int m, float s, const Filter& filter, float radius);

// Drops the zero weights and brings the positions into the line of n pixels: for entry i, or
// for all entries.
TContributorEntry EntryFrom(const WindowWeights& windows, int n, int i);
TContributorList ContributorsFrom(const WindowWeights& windows, int n);

TContributorList BuildContributors(int n, int m, float s, const Filter& filter, float radius);

} // namespace exporting
