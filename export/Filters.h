#pragma once

#include <array>

namespace exporting {

enum class FilterNumber : int {
    Box = 0,
    Triangle = 1,
    Hermite = 2,
    Bell = 3,
    BSpline = 4,
    Lanczos3 = 5,
    Mitchell = 6,
};

// A kernel takes and returns single precision; the arithmetic inside is extended precision.
using Kernel = float (*)(float);

struct Filter {
    FilterNumber number;
    const char* name;
    Kernel kernel;
    // The default radius, which is also the kernel's support: the kernel is 0 wherever the
    // argument's magnitude exceeds it.
    float radius;
};

float BoxKernel(float x);
float TriangleKernel(float x);
float HermiteKernel(float x);
float BellKernel(float x);
float BSplineKernel(float x);
float Lanczos3Kernel(float x);
float MitchellKernel(float x);

inline constexpr int FilterCount = 7;

// Indexed by filter number.
extern const std::array<Filter, FilterCount> Filters;

// Throws std::invalid_argument for a number outside 0 to 6.
const Filter& FilterFor(FilterNumber number);

} // namespace exporting
