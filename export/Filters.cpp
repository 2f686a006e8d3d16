#include "export/Filters.h"

#include "export/Sinc.h"

#include <cmath>
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
    {FilterNumber::Lanczos3, "Lanczos3", Lanczos3Kernel, 3.0f},
    {FilterNumber::Mitchell, "Mitchell", MitchellKernel, 2.0f},
}};

const Filter& FilterFor(FilterNumber number)
{
    const auto index = static_cast<int>(number);
    if (index < 0 || index >= FilterCount)
        throw std::invalid_argument("unknown filter number " + std::to_string(index));
    return Filters[static_cast<std::size_t>(index)];
}

} // namespace exporting
