#include "export/Sinc.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace exporting {

namespace {

static_assert(std::numeric_limits<long double>::digits >= 64,
              "the filters need extended precision (80-bit long double on x86)");

// pi rounded to 64 bits, as the x87 FLDPI loads it, and split into a double and the rest.
constexpr long double Pi = 0xc.90fdaa22168c235p-2L;
constexpr double PiHigh = static_cast<double>(Pi);
constexpr double PiLow = static_cast<double>(Pi - PiHigh);

// pi = PiPart1 + PiPart2 + PiPart3 to about 2^-108. k * PiPart1 and k * PiPart2 are exact for
// k < 8, so |u| - k pi keeps its relative precision in double even where it nearly cancels.
constexpr double PiPart1 = 0x3.243F6A8p0;
constexpr double PiPart2 = 0x885A308p-56;
constexpr double PiPart3 = 0xD313198A2E037p-108;

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

// The series in z = r^2, in Estrin's order to shorten the chain of dependent operations.
double SineOverArgument(double z)
{
    const auto& c = SineSeries;
    const double z2 = z * z;
    const double z4 = z2 * z2;
    const double z8 = z4 * z4;
    const double low = (c[0] + c[1] * z) + (c[2] + c[3] * z) * z2;
    const double middle = (c[4] + c[5] * z) + (c[6] + c[7] * z) * z2;
    const double high = (c[8] + c[9] * z) + c[10] * z2;
    return (low + middle * z4) + high * z8;
}

// Whether d, known to within a relative error well below tolerance, rounds to the same float as
// the exact value: true when d lies farther than tolerance (relative) from both points halfway
// between rounded and its neighbours.
bool RoundsSafely(double d, float rounded, double tolerance)
{
    const float magnitude = std::fabs(rounded);
    if (!std::isnormal(magnitude))
        return false;
    const auto bits = std::bit_cast<std::uint32_t>(magnitude);
    const double above = (double{magnitude} + std::bit_cast<float>(bits + 1)) * 0.5;
    const double below = (double{magnitude} + std::bit_cast<float>(bits - 1)) * 0.5;
    const double distance = std::fabs(d);
    return std::fabs(distance - above) > distance * tolerance &&
           std::fabs(distance - below) > distance * tolerance;
}

} // namespace

float ExtendedSinc(float t)
{
    if (t == 0)
        return 1;
    const auto u = static_cast<float>(Pi * t);
    return static_cast<float>(std::sin(static_cast<long double>(u)) / u);
}

// pi t is formed in double to within 2^-52 and sin(u) / u to within 2^-46 (u is reduced by the
// nearest multiple of pi, exact to about 2^-52 relative, and the series summed). Each is rounded
// to single precision only where that gives what the extended value would give, far from a
// point halfway between two floats; elsewhere, and beyond |pi t| = 16, the extended computation
// decides.
float Sinc(float t)
{
    if (t == 0)
        return 1;
    const double product = double{t} * PiHigh + double{t} * PiLow;
    const auto u = static_cast<float>(product);
    const double magnitude = std::fabs(double{u});
    if (!(magnitude <= 16) || !RoundsSafely(product, u, 0x1p-48))
        return ExtendedSinc(t);

    const int k = static_cast<int>(magnitude * (1 / 3.141592653589793) + 0.5);
    const double r = ((magnitude - k * PiPart1) - k * PiPart2) - k * PiPart3;
    const double quotient = (k % 2 ? -r : r) * SineOverArgument(r * r) / magnitude;
    const auto value = static_cast<float>(quotient);
    return RoundsSafely(quotient, value, 0x1p-40) ? value : ExtendedSinc(t);
}

} // namespace exporting
