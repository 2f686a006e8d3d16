#include "export/Sinc.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace exporting {

namespace {

static_assert(std::numeric_limits<long double>::digits >= 64,
              "the filters need extended precision (80-bit long double on x86)");

// pi rounded to 64 bits, as the x87 FLDPI loads it.
constexpr long double Pi = 0xc.90fdaa22168c235p-2L;

// pi = PiPart1 + PiPart2 + PiPart3 + PiPart4 (to 2^-160); k * PiPart1..3 are exact for small k,
// so u - k * pi keeps its relative precision even where it nearly cancels.
constexpr long double PiPart1 = 0x3.243F6A88p0L;
constexpr long double PiPart2 = 0x85A308D3p-64L;
constexpr long double PiPart3 = 0x13198A2Ep-96L;
constexpr long double PiPart4 = 0x03707344A4093822p-160L;

// sin(r) / r = sum of (-1)^k r^2k / (2k + 1)!; eleven terms leave less than 2^-59 for |r| <= pi/2.
constexpr std::array<double, 11> SineSeries = [] {
    std::array<double, 11> terms{};
    double factorial = 1;
    for (int k = 0; k < 11; ++k) {
        if (k > 0)
            factorial *= (2.0 * k) * (2.0 * k + 1);
        terms[k] = (k % 2 ? -1.0 : 1.0) / factorial;
    }
    return terms;
}();

float ExtendedSincOf(float u)
{
    return static_cast<float>(std::sin(static_cast<long double>(u)) / u);
}

// Whether d lies so far from every point halfway between two floats that the exact value,
// within 2^-46 of d, rounds to the same float as d.
bool RoundsLikeExact(double d, float f)
{
    const float magnitude = std::fabs(f);
    if (!std::isnormal(magnitude))
        return false;
    const auto bits = std::bit_cast<std::uint32_t>(magnitude);
    const double above = (double{magnitude} + std::bit_cast<float>(bits + 1)) / 2;
    const double below = (double{magnitude} + std::bit_cast<float>(bits - 1)) / 2;
    const double distance = std::fabs(d);
    const double tolerance = distance * 0x1p-40;
    return std::fabs(distance - above) > tolerance && std::fabs(distance - below) > tolerance;
}

} // namespace

float ExtendedSinc(float t)
{
    if (t == 0)
        return 1;
    return ExtendedSincOf(static_cast<float>(Pi * t));
}

// Filling the contributor lists takes thousands of sinc values per picture, and long double
// sin costs about 150 ns each. Here sin(u) / u is formed in double precision to within 2^-46
// instead: u is reduced by the nearest multiple of pi in extended precision (exact to about
// 2^-62 relative) and the series above is summed in double. Rounded to single precision this
// equals the extended result unless it lies within 2^-40 of a rounding boundary; then the
// extended computation decides.
float Sinc(float t)
{
    if (t == 0)
        return 1;
    const float u = static_cast<float>(Pi * t);
    const float magnitude = std::fabs(u);
    if (!(magnitude <= 16))
        return ExtendedSincOf(u);

    const int k = static_cast<int>(magnitude * (1 / 3.141592653589793) + 0.5);
    const long double reduced =
        (((magnitude - k * PiPart1) - k * PiPart2) - k * PiPart3) - k * PiPart4;
    const auto r = static_cast<double>(reduced);
    const double z = r * r;
    double series = SineSeries.back();
    for (auto term = SineSeries.rbegin() + 1; term != SineSeries.rend(); ++term)
        series = series * z + *term;
    const double sine = (k % 2 ? -r : r) * series;
    const double quotient = sine / magnitude;

    const auto rounded = static_cast<float>(quotient);
    if (RoundsLikeExact(quotient, rounded))
        return rounded;
    return ExtendedSincOf(u);
}

} // namespace exporting
