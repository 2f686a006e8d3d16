#include "export/Filters.h"
#include "export/InstructionSet.h"
#include "export/Sinc.h"

#include "ReferenceResampler.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <stdexcept>
#include <vector>

using namespace exporting;

namespace {

float Step(float value, int ulps)
{
    return std::bit_cast<float>(std::bit_cast<std::int32_t>(value) + ulps);
}

} // namespace

// The fast sinc must give exactly the long double result. The arguments that matter most lie
// near the zeros of sin, where the argument reduction cancels.
TEST(Sinc, EqualsTheExtendedPrecisionResult)
{
    std::vector<float> arguments;
    for (int k = -3 * 2048; k <= 3 * 2048; ++k)
        arguments.push_back(static_cast<float>(k) / 2048);
    for (const float zero : {1.0f, 2.0f, 3.0f, 1.0f / 3, 2.0f / 3, 4.0f, 5.0f})
        for (int ulps = -2000; ulps <= 2000; ++ulps)
            arguments.push_back(Step(zero, ulps));
    std::mt19937 random(7);
    std::uniform_real_distribution<float> anywhere(-5.5f, 5.5f);
    for (int k = 0; k < 100000; ++k)
        arguments.push_back(anywhere(random));

    for (const float t : arguments)
        ASSERT_EQ(Sinc(t), ExtendedSinc(t)) << t;
    EXPECT_EQ(Sinc(0), 1.0f);
    EXPECT_EQ(Sinc(100.25f), ExtendedSinc(100.25f));
}

TEST(Kernels, EqualThePlainDefinitions)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<float> anywhere(-3.5f, 3.5f);
    std::vector<float> arguments{
        0,  0.5f,          -0.5f,           1,           -1,         1.5f, -1.5f, 2, -2, 3,
        -3, Step(0.5f, 1), Step(-0.5f, -1), Step(1, -1), Step(3, -1)};
    for (int k = 0; k < 20000; ++k)
        arguments.push_back(anywhere(random));
    for (const Filter& filter : Filters) {
        const auto expected = reference::Kernel(static_cast<int>(filter.number));
        for (const float x : arguments)
            ASSERT_EQ(filter.kernel(x), expected(x)) << filter.name << " at " << x;
    }
}

TEST(Kernels, TableRowsAndSupport)
{
    const std::vector<std::pair<const char*, float>> rows{
        {"Box", 0.5f},   {"Triangle", 1}, {"Hermite", 1},  {"Bell", 1.5f},
        {"B-spline", 2}, {"Lanczos3", 3}, {"Mitchell", 2},
    };
    for (int number = 0; number < FilterCount; ++number) {
        const Filter& filter = FilterFor(FilterNumber(number));
        EXPECT_EQ(static_cast<int>(filter.number), number);
        EXPECT_STREQ(filter.name, rows[number].first);
        EXPECT_EQ(filter.radius, rows[number].second);
        // Zero beyond the support, which the contributor lists rely on to cut the window.
        for (const float beyond : {Step(filter.radius, 1), filter.radius + 1, 1000.0f})
            EXPECT_TRUE(filter.kernel(beyond) == 0 && filter.kernel(-beyond) == 0)
                << filter.name << " at " << beyond;
    }
    EXPECT_EQ(BoxKernel(-0.5f), 0);
    EXPECT_EQ(BoxKernel(0.5f), 1);
    EXPECT_THROW(FilterFor(FilterNumber(7)), std::invalid_argument);
    EXPECT_THROW(FilterFor(FilterNumber(-1)), std::invalid_argument);
}

// Lanczos3's batch decides most weights from a double-precision approximation; every weight must
// still be the rounded single-precision kernel value. The factors include ones where the kernel's
// value at 0 lands exactly halfway between two weights (128.5, 1.5).
TEST(Kernels, Lanczos3WeightsEqualTheRoundedKernel)
{
    std::vector<float> arguments;
    for (int k = -3 * 1024 - 100; k <= 3 * 1024 + 100; ++k)
        arguments.push_back(static_cast<float>(k) / 1024);
    std::mt19937 random(13);
    std::uniform_real_distribution<float> anywhere(-3.2f, 3.2f);
    for (int k = 0; k < 20000; ++k)
        arguments.push_back(anywhere(random));

    std::vector<std::int32_t> weights(arguments.size());
    for (const auto set : {detail::InstructionSet::Portable, detail::InstructionSet::Avx2}) {
        if (!detail::Supports(set))
            continue;
        for (const double factor : {256.0, 192.0, 0.49f * 256.0, 128.5, 1.5, 255.75, 0.3}) {
            detail::Lanczos3Weights(set, arguments.data(), weights.data(), arguments.size(),
                                    factor);
            for (std::size_t k = 0; k < arguments.size(); ++k)
                ASSERT_EQ(weights[k], WeightOf(Lanczos3Kernel(arguments[k]), factor))
                    << arguments[k] << " times " << factor;
        }
    }
}

TEST(Kernels, WeightsRoundTiesToEven)
{
    const std::vector<std::pair<float, std::int32_t>> cases{
        {0.5f / 256, 0},  {1.5f / 256, 2},   {2.5f / 256, 2},
        {-0.5f / 256, 0}, {-1.5f / 256, -2}, {0.75f, 192},
    };
    for (const auto& [value, weight] : cases)
        EXPECT_EQ(WeightOf(value, 256), weight) << value;
    EXPECT_THROW(WeightOf(std::numeric_limits<float>::infinity(), 256), std::invalid_argument);
    EXPECT_THROW(WeightOf(1e30f, 256), std::invalid_argument);
}
