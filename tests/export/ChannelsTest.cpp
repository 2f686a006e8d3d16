#include "export/Channels.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

using namespace exporting;

namespace {

using Pixel = std::array<std::uint8_t, 3>;

// Loads pixels whose three channels all hold the given values and mixes the contributors
// (weight, pixel index).
Pixel Mix(const std::vector<std::uint8_t>& values, const TContributors& contributors)
{
    std::vector<std::uint8_t> line;
    for (const std::uint8_t value : values)
        line.insert(line.end(), {value, value, value});
    LoadChannels(static_cast<int>(values.size()), 3, line.data());
    return MixContributors(static_cast<std::int32_t>(contributors.size()), contributors);
}

} // namespace

TEST(MixContributors, DividesCutsClampsAndShifts)
{
    struct Case {
        const char* what;
        std::vector<std::uint8_t> values;
        TContributors contributors;
        std::uint8_t expected;
    };
    const std::vector<Case> cases{
        {"weighted mean", {100, 200}, {{64, 0}, {192, 1}}, 175},
        {"cut, not rounded: 509 / 255", {2, 1}, {{254, 0}, {1, 1}}, 1},
        {"511 / 256 gives 1", {2, 1}, {{255, 0}, {1, 1}}, 1},
        {"above 255 is clamped", {255, 0}, {{300, 0}, {-40, 1}}, 255},
        {"negative quotient is clamped", {0, 255}, {{300, 0}, {-40, 1}}, 0},
        {"total 0: 768 >> 8", {3, 0}, {{256, 0}, {-256, 1}}, 3},
        {"total 0, negative sum: far above 255", {0, 1}, {{256, 0}, {-256, 1}}, 255},
        {"no contributors: black", {77}, {}, 0},
        {"sums wrap at 2^32", {255}, {{0x7FFFFFFF, 0}, {0x7FFFFFFF, 0}, {2, 0}}, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Mix(c.values, c.contributors), (Pixel{c.expected, c.expected, c.expected}))
            << c.what;
    }
    ReleaseChannels();
}

TEST(MixContributors, MixedValueWithoutOverflow)
{
    EXPECT_EQ(MixedValue(0x80000000u, 0xFFFFFFFFu), 255); // -2^31 / -1
    EXPECT_EQ(MixedValue(0x80000000u, 0), 255);
    EXPECT_EQ(MixedValue(768, 0), 3);
    EXPECT_EQ(MixedValue(static_cast<std::uint32_t>(-509), static_cast<std::uint32_t>(-255)), 1);
}

// Pixels are read step bytes apart, red from byte 2, green from byte 1 and blue from byte 0, and
// each mixed value goes back to the same byte.
TEST(LoadChannels, ReadsAColumnWithTheRowPitch)
{
    constexpr std::ptrdiff_t pitch = 8;
    std::vector<std::uint8_t> column(3 * pitch, 0xEE);
    for (int row = 0; row < 3; ++row) {
        column[row * pitch + 0] = static_cast<std::uint8_t>(10 + row); // blue
        column[row * pitch + 1] = static_cast<std::uint8_t>(20 + row); // green
        column[row * pitch + 2] = static_cast<std::uint8_t>(30 + row); // red
    }
    LoadChannels(3, pitch, column.data());
    for (std::int32_t row = 0; row < 3; ++row) {
        const TContributors only{{256, row}};
        EXPECT_EQ(MixContributors(1, only),
                  (Pixel{std::uint8_t(10 + row), std::uint8_t(20 + row), std::uint8_t(30 + row)}));
    }
    // Only the first N entries count.
    const TContributors two{{256, 0}, {256, 2}};
    EXPECT_EQ(MixContributors(1, two), (Pixel{10, 20, 30}));
    ReleaseChannels();
}
