#pragma once

#include "export/Bitmap.h"

#include <cstdint>
#include <functional>
#include <vector>

// A line-by-line transcription of the resampling algorithm, written for clarity and not for
// speed, that the optimised resampler is checked against byte for byte.
namespace reference {

struct Contributor {
    std::int32_t weight;
    std::int32_t pixel;
    friend bool operator==(const Contributor&, const Contributor&) = default;
};

using Entry = std::vector<Contributor>;

using KernelFunction = std::function<float(float)>;

// The kernel of filter number 0 to 6.
KernelFunction Kernel(int filter);
float DefaultRadius(int filter);
float Scale(int sourceLength, int destinationLength);
std::vector<Entry> Contributors(int n, int m, float s, const KernelFunction& kernel, float radius);

// Resamples source into a new picture of the given size with the given radius (0 is not
// replaced by the default here).
exporting::Bitmap Stretch(const exporting::Bitmap& source, int width, int height,
                          const KernelFunction& kernel, float radius);

} // namespace reference
