#include "export/Filters.h"

#include "export/InstructionSet.h"
#include "export/Simd.h"
#include "export/Sinc.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace exporting {

namespace {

using Extended = long double;

} // namespace

float BoxKernel(float x)
{
    return x > -0.5f && x <= 0.5f ? 1.0f : 0.0f;
}

float TriangleKernel(float x)
{
    const Extended a = std::fabs(x);
    return a < 1 ? static_cast<float>(1 - a) : 0.0f;
}

float HermiteKernel(float x)
{
    const Extended a = std::fabs(x);
    return a < 1 ? static_cast<float>(2 * a * a * a - 3 * a * a + 1) : 0.0f;
}

float BellKernel(float x)
{
    const Extended a = std::fabs(x);
    if (a < 0.5L)
        return static_cast<float>(0.75L - a * a);
    if (a < 1.5L) {
        const Extended t = a - 1.5L;
        return static_cast<float>(0.5L * t * t);
    }
    return 0;
}

float BSplineKernel(float x)
{
    const Extended a = std::fabs(x);
    if (a < 1)
        return static_cast<float>(0.5L * a * a * a - a * a + 2.0L / 3.0L);
    if (a < 2) {
        const Extended t = 2 - a;
        return static_cast<float>(t * t * t / 6);
    }
    return 0;
}

float Lanczos3Kernel(float x)
{
    const float a = std::fabs(x);
    if (a >= 3)
        return 0;
    const float first = Sinc(a);
    const float second = Sinc(static_cast<float>(Extended{a} / 3));
    return static_cast<float>(Extended{first} * second);
}

namespace {

// sin(pi f) / (pi f) = sum of (-1)^k (pi f)^2k / (2k + 1)!; eight terms leave less than 4e-12
// for |f| <= 1/2.
constexpr std::array<double, 8> SincSeries = [] {
    std::array<double, 8> terms{};
    double value = 1;
    for (int k = 0; k < 8; ++k) {
        terms[k] = value;
        value *= -(3.141592653589793 * 3.141592653589793) / ((2.0 * k + 2) * (2.0 * k + 3));
    }
    return terms;
}();

// sin(pi a) / (pi a) for 0 <= a < 3.5 in double, to within 1e-11 (finite for any a), without
// branches so that loops over it vectorise.
[[gnu::always_inline]] inline double TrueSinc(double a)
{
    const double nearest = (a + 0x1.8p52) - 0x1.8p52;
    const double f = a - nearest;
    const double z = f * f;
    const auto& c = SincSeries;
    const double z2 = z * z;
    const double z4 = z2 * z2;
    const double series = ((c[0] + c[1] * z) + (c[2] + c[3] * z) * z2) +
                          ((c[4] + c[5] * z) + (c[6] + c[7] * z) * z2) * z4;
    // sin(pi a) = (-1)^n sin(pi f) with n = nearest (0 to 3 here), so
    // sinc(a) = (-1)^n series * f / a.
    const double parity = nearest >= 2 ? nearest - 2 : nearest;
    const double ratio = (1 - 2 * parity) * f / std::max(a, 0.25);
    return series * (nearest == 0 ? 1.0 : ratio);
}

} // namespace

// The kernel's single-precision steps keep its value within 6e-7 of the true
// sinc(a) sinc(a / 3) for |a| < 3: rounding pi a and a / 3 moves the sinc arguments by at most
// 6e-7, sin(u) / u changes by less than 0.44 times that, and rounding the two sinc values and
// their product adds at most 6e-8 each. So where the true value times factor lies farther than
// 4e-6 times factor from a point halfway between two integers, it rounds to the same weight as
// the kernel's value. Only the other arguments need the kernel itself.
namespace {

// The weights of one block of at most BlockSize arguments.
constexpr std::size_t BlockSize = 64;

// All in double and without conditions, so that it vectorises.
[[gnu::always_inline]] inline void Estimate(const double* magnitude, double* nearest,
                                            double* distance, std::size_t size, double factor)
{
    for (std::size_t i = 0; i < size; ++i) {
        const double product = TrueSinc(magnitude[i]) * TrueSinc(magnitude[i] / 3) * factor;
        nearest[i] = (product + 0x1.8p52) - 0x1.8p52;
        distance[i] = std::fabs(product - nearest[i]);
    }
}

void EstimatePortable(const double* magnitude, double* nearest, double* distance, std::size_t size,
                      double factor)
{
    Estimate(magnitude, nearest, distance, size, factor);
}

#if defined(EXPORTING_X86)
// Four lanes of double.
EXPORTING_AVX2 void EstimateAvx2(const double* magnitude, double* nearest, double* distance,
                                 std::size_t size, double factor)
{
    Estimate(magnitude, nearest, distance, size, factor);
}
#endif

} // namespace

namespace detail {

void Lanczos3Weights(InstructionSet set, const float* arguments, std::int32_t* weights,
                     std::size_t count, double factor)
{
    auto estimate = EstimatePortable;
#if defined(EXPORTING_X86)
    if (set == InstructionSet::Avx2 && Supports(InstructionSet::Avx2))
        estimate = EstimateAvx2;
#else
    (void)set;
#endif
    const double margin = 0.5 - 4e-6 * factor;
    double magnitude[BlockSize];
    double nearest[BlockSize];
    double distance[BlockSize];
    for (std::size_t begin = 0; begin < count; begin += BlockSize) {
        const std::size_t size = std::min(BlockSize, count - begin);
        for (std::size_t i = 0; i < size; ++i)
            magnitude[i] = std::fabs(double{arguments[begin + i]});
        estimate(magnitude, nearest, distance, size, factor);
        for (std::size_t i = 0; i < size; ++i) {
            if (magnitude[i] >= 3)
                weights[begin + i] = 0;
            else if (distance[i] < margin)
                weights[begin + i] = static_cast<std::int32_t>(nearest[i]);
            else
                weights[begin + i] = WeightOf(Lanczos3Kernel(arguments[begin + i]), factor);
        }
    }
}

} // namespace detail

void Lanczos3Weights(const float* arguments, std::int32_t* weights, std::size_t count,
                     double factor)
{
    detail::Lanczos3Weights(detail::BestInstructionSet(), arguments, weights, count, factor);
}

float MitchellKernel(float x)
{
    const Extended a = std::fabs(x);
    if (a < 1)
        return static_cast<float>((7 * a * a * a - 12 * a * a + 16.0L / 3.0L) / 6);
    if (a < 2)
        return static_cast<float>(
            (-(7.0L / 3.0L) * a * a * a + 12 * a * a - 20 * a + 32.0L / 3.0L) / 6);
    return 0;
}

const std::array<Filter, FilterCount> Filters{{
    {FilterNumber::Box, "Box", BoxKernel, 0.5f},
    {FilterNumber::Triangle, "Triangle", TriangleKernel, 1.0f},
    {FilterNumber::Hermite, "Hermite", HermiteKernel, 1.0f},
    {FilterNumber::Bell, "Bell", BellKernel, 1.5f},
    {FilterNumber::BSpline, "B-spline", BSplineKernel, 2.0f},
    {FilterNumber::Lanczos3, "Lanczos3", Lanczos3Kernel, 3.0f, Lanczos3Weights},
    {FilterNumber::Mitchell, "Mitchell", MitchellKernel, 2.0f},
}};

std::int32_t WeightOf(float value, double factor)
{
    const auto product = static_cast<double>(Extended{value} * factor);
    // rint rounds ties to even in the default rounding mode.
    const double rounded = std::rint(product);
    if (!(std::fabs(rounded) <= std::numeric_limits<std::int32_t>::max()))
        throw std::invalid_argument("a filter kernel gives a weight out of range");
    return static_cast<std::int32_t>(rounded);
}

const Filter& FilterFor(FilterNumber number)
{
    const auto index = static_cast<int>(number);
    if (index < 0 || index >= FilterCount)
        throw std::invalid_argument("unknown filter number " + std::to_string(index));
    return Filters[static_cast<std::size_t>(index)];
}

} // namespace exporting
