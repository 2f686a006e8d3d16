#include "export/Contributors.h"

#include "ReferenceResampler.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

using namespace exporting;

namespace {

using Pairs = std::vector<std::pair<int, int>>; // weight, pixel

Pairs PairsOf(const TContributorEntry& entry)
{
    Pairs pairs;
    for (int k = 0; k < entry.N; ++k)
        pairs.emplace_back(entry.Contributors[k].Weight, entry.Contributors[k].Pixel);
    return pairs;
}

const Filter& Lanczos3 = Filters[5];

} // namespace

TEST(ContributorLists, MatchTheWorkedExampleOfTheExports)
{
    EXPECT_EQ(ScaleFactor(101, 76), 0.75f);
    EXPECT_EQ(ScaleFactor(197, 148), 0.75f);
    EXPECT_EQ(ScaleFactor(101, 50), 0.49f);
    EXPECT_EQ(ScaleFactor(197, 98), static_cast<float>(97.0L / 196));

    const TContributorList columns75 = BuildContributors(101, 76, 0.75f, Lanczos3, 3);
    ASSERT_EQ(columns75.size(), 76u);
    EXPECT_EQ(PairsOf(columns75[0]),
              (Pairs{{6, 3}, {-26, 2}, {52, 1}, {192, 0}, {52, 1}, {-26, 2}, {6, 3}}));
    EXPECT_EQ(PairsOf(columns75[1]),
              (Pairs{{5, 2}, {-13, 1}, {171, 1}, {117, 2}, {-26, 3}, {1, 5}}));
    EXPECT_EQ(PairsOf(columns75[75]),
              (Pairs{{6, 97}, {-26, 98}, {52, 99}, {192, 100}, {52, 100}, {-26, 99}, {6, 98}}));

    const TContributorList rows75 = BuildContributors(197, 148, 0.75f, Lanczos3, 3);
    ASSERT_EQ(rows75.size(), 148u);
    EXPECT_EQ(PairsOf(rows75[0]), PairsOf(columns75[0]));
    EXPECT_EQ(PairsOf(rows75[1]), PairsOf(columns75[1]));
    EXPECT_EQ(
        PairsOf(rows75[147]),
        (Pairs{{6, 193}, {-26, 194}, {52, 195}, {192, 196}, {52, 196}, {-26, 195}, {6, 194}}));

    const TContributorList columns50 = BuildContributors(101, 50, 0.49f, Lanczos3, 3);
    EXPECT_EQ(PairsOf(columns50[0]), (Pairs{{3, 5},
                                            {-1, 4},
                                            {-18, 3},
                                            {2, 2},
                                            {78, 1},
                                            {125, 0},
                                            {78, 1},
                                            {2, 2},
                                            {-18, 3},
                                            {-1, 4},
                                            {3, 5}}));
}

TEST(ContributorLists, SameSizeWeightsOfEveryFilter)
{
    const std::vector<std::pair<int, Pairs>> cases{
        {0, {{256, 3}}},
        {1, {{256, 3}}},
        {2, {{256, 3}}},
        {3, {{32, 2}, {192, 3}, {32, 4}}},
        {4, {{43, 2}, {171, 3}, {43, 4}}},
        {5, {{256, 3}}},
        {6, {{14, 2}, {228, 3}, {14, 4}}},
    };
    for (const auto& [filter, expected] : cases) {
        const Filter& chosen = Filters[static_cast<std::size_t>(filter)];
        EXPECT_EQ(PairsOf(BuildContributors(7, 7, 1, chosen, chosen.radius)[3]), expected)
            << chosen.name;
    }
}

TEST(ContributorLists, ReflectAtTheEdgesAndBeyond)
{
    // Left edge without repeating the edge pixel, right edge repeating it.
    const std::vector<std::pair<std::int64_t, int>> line10{{-1, 1}, {-2, 2}, {-9, 9}, {0, 0},
                                                           {9, 9},  {10, 9}, {11, 8}, {19, 0}};
    for (const auto& [position, pixel] : line10)
        EXPECT_EQ(ReflectPosition(position, 10), pixel) << position;

    // Farther out the positions go on reflecting and never leave the line.
    for (const int n : {1, 2, 3, 7}) {
        for (std::int64_t j = -40; j <= 40; ++j) {
            std::int64_t p = j;
            while (p < 0 || p >= n)
                p = p < 0 ? -p : 2 * n - 1 - p;
            EXPECT_EQ(ReflectPosition(j, n), p) << j << " in " << n;
        }
    }
}

// Every filter, enlarging and shrinking, default, small and wide radii: the lists equal the
// plain transcription's, which walks the whole window and evaluates the kernels with long double
// sin.
TEST(ContributorLists, EqualThePlainAlgorithm)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> length(1, 400);
    std::uniform_real_distribution<float> radiusFactor(0.05f, 2.5f);
    for (int round = 0; round < 400; ++round) {
        const int n = length(random);
        const int m = round % 10 == 0 ? 1 : length(random);
        const int filter = round % FilterCount;
        const Filter& chosen = Filters[static_cast<std::size_t>(filter)];
        const float radius = round % 3 == 0 ? chosen.radius : chosen.radius * radiusFactor(random);
        const float s = ScaleFactor(n, m);
        const TContributorList list = BuildContributors(n, m, s, chosen, radius);
        const auto expected = reference::Contributors(n, m, s, reference::Kernel(filter), radius);
        ASSERT_EQ(list.size(), expected.size());
        for (std::size_t i = 0; i < list.size(); ++i) {
            Pairs want;
            for (const auto& c : expected[i])
                want.emplace_back(c.weight, c.pixel);
            ASSERT_EQ(PairsOf(list[i]), want)
                << chosen.name << " " << n << " -> " << m << " radius " << radius << " entry " << i;
        }
    }
}
