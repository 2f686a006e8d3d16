#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

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
// The weights WeightOf(kernel(x), factor) of count arguments at once.
using WeightBatch = void (*)(const float* arguments, std::int32_t* weights, std::size_t count,
                             double factor);

struct Filter {
    FilterNumber number;
    const char* name;
    Kernel kernel;
    // The default radius, which is also the kernel's support: the kernel is 0 wherever the
    // argument's magnitude exceeds it.
    float radius;
    // Optional; without it the kernel is called once per argument.
    WeightBatch weights = nullptr;
};

float BoxKernel(float x);
float TriangleKernel(float x);
float HermiteKernel(float x);
float BellKernel(float x);
float BSplineKernel(float x);
float Lanczos3Kernel(float x);
float MitchellKernel(float x);

void Lanczos3Weights(const float* arguments, std::int32_t* weights, std::size_t count,
                     double factor);
namespace detail {
enum class InstructionSet;
// The same with the given instructions.
void Lanczos3Weights(InstructionSet set, const float* arguments, std::int32_t* weights,
                     std::size_t count, double factor);
} // namespace detail

// A kernel value times factor (256, or the scale times 256), formed in extended precision, which
// double holds exactly, rounded to the nearest integer with ties to even. Throws
// std::invalid_argument when the weight does not fit in 32 bits.
std::int32_t WeightOf(float value, double factor);

inline constexpr int FilterCount = 7;

// Indexed by filter number.
extern const std::array<Filter, FilterCount> Filters;

// Throws std::invalid_argument for a number outside 0 to 6.
const Filter& FilterFor(FilterNumber number);

} // namespace exporting
