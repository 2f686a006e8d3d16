#include "export/Resampler.h"
#include "export/Passes.h"

#include "ReferenceResampler.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>
#include <stdexcept>
#include <vector>

using namespace exporting;

namespace {

using Pixel = std::array<std::uint8_t, 3>;

Bitmap Noise(int width, int height, std::mt19937& random)
{
    Bitmap bitmap(width, height);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 3 * width; ++x)
            bitmap.pixel(0, y)[x] = static_cast<std::uint8_t>(byte(random));
    return bitmap;
}

Bitmap Plain(int width, int height, Pixel colour)
{
    Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            std::copy(colour.begin(), colour.end(), bitmap.pixel(x, y));
    return bitmap;
}

bool AllPixelsAre(const Bitmap& bitmap, Pixel colour)
{
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            if (!std::equal(colour.begin(), colour.end(), bitmap.pixel(x, y)))
                return false;
    return true;
}

const char* NameOf(detail::InstructionSet set)
{
    switch (set) {
    case detail::InstructionSet::Portable:
        return "portable";
    case detail::InstructionSet::Sse2:
        return "SSE2";
    case detail::InstructionSet::Avx2:
        return "AVX2";
    }
    return "?";
}

// The result of every pass code this processor runs, checked against the plain algorithm.
void ExpectPlainResult(const Filter& filter, float radius, const Bitmap& source, int width,
                       int height, const reference::KernelFunction& kernel)
{
    const Bitmap expected = reference::Stretch(source, width, height, kernel, radius);
    for (const auto set : {detail::InstructionSet::Portable, detail::InstructionSet::Sse2,
                           detail::InstructionSet::Avx2}) {
        if (!detail::Supports(set))
            continue;
        Bitmap target(width, height);
        detail::DoStretch(filter, radius, source, target, set);
        ASSERT_EQ(target, expected)
            << filter.name << " radius " << radius << ", " << source.width() << "x"
            << source.height() << " -> " << width << "x" << height << " (" << NameOf(set) << ")";
    }
}

} // namespace

TEST(StretchBitmap, TheExportsEqualThePlainAlgorithm)
{
    std::mt19937 random(1);
    const Bitmap meter = Noise(101, 197, random);
    for (const auto& [width, height] : {std::pair{76, 148}, std::pair{50, 98}}) {
        Bitmap bitmap = meter;
        StretchBitmap(width, height, FilterNumber::Lanczos3, 0, bitmap);
        EXPECT_EQ(bitmap, reference::Stretch(meter, width, height, reference::Kernel(5), 3));
    }
}

TEST(StretchBitmap, SameSizeKeepsThePictureWithFiltersThatVanishAtIntegers)
{
    std::mt19937 random(2);
    const Bitmap picture = Noise(23, 17, random);
    for (const auto filter : {FilterNumber::Lanczos3, FilterNumber::Box, FilterNumber::Triangle,
                              FilterNumber::Hermite}) {
        Bitmap bitmap = picture;
        StretchBitmap(23, 17, filter, 0, bitmap);
        EXPECT_EQ(bitmap, picture) << FilterFor(filter).name;
    }
}

TEST(StretchBitmap, OneColourStaysOneColourAtAnySize)
{
    struct Sizes {
        int sourceWidth, sourceHeight, width, height;
    };
    const std::vector<Sizes> sizes{
        {101, 197, 76, 148}, {101, 197, 50, 98}, {10, 10, 37, 3},
        {1, 1, 9, 4},        {7, 1, 1, 7},       {300, 2, 299, 5},
    };
    const Pixel colour{17, 200, 99};
    for (const Sizes& s : sizes) {
        for (const Filter& filter : Filters) {
            Bitmap bitmap = Plain(s.sourceWidth, s.sourceHeight, colour);
            StretchBitmap(s.width, s.height, filter.number, 0, bitmap);
            EXPECT_EQ(bitmap.width(), s.width);
            EXPECT_EQ(bitmap.height(), s.height);
            EXPECT_TRUE(AllPixelsAre(bitmap, colour))
                << filter.name << " " << s.sourceWidth << "x" << s.sourceHeight << " -> " << s.width
                << "x" << s.height;
        }
    }
}

// Shrinking 1000 pixels to 2 (scale 1/999) rounds every weight to 0.
TEST(StretchBitmap, NoContributorsGiveBlack)
{
    for (const Filter& filter : Filters) {
        Bitmap bitmap = Plain(1000, 10, {200, 100, 50});
        StretchBitmap(2, 10, filter.number, 0, bitmap);
        EXPECT_TRUE(AllPixelsAre(bitmap, {0, 0, 0})) << filter.name;
    }
}

TEST(StretchBitmap, SizesOfZero)
{
    struct Case {
        int sourceWidth, sourceHeight, width, height;
        bool white;
    };
    const std::vector<Case> cases{
        {10, 10, 0, 5, false}, {10, 10, 5, 0, false}, {10, 10, 0, 0, false},
        {0, 10, 4, 3, true},   {10, 0, 4, 3, true},   {0, 0, 0, 0, false},
    };
    for (const Case& c : cases) {
        Bitmap bitmap = Plain(c.sourceWidth, c.sourceHeight, {1, 2, 3});
        StretchBitmap(c.width, c.height, FilterNumber::Lanczos3, 0, bitmap);
        EXPECT_EQ(bitmap.width(), c.width);
        EXPECT_EQ(bitmap.height(), c.height);
        if (c.white)
            EXPECT_TRUE(AllPixelsAre(bitmap, {255, 255, 255}));
        else
            EXPECT_TRUE(bitmap.isEmpty());
    }
}

TEST(StretchBitmap, BadArgumentsKeepThePicture)
{
    std::mt19937 random(3);
    const Bitmap picture = Noise(9, 8, random);
    struct Case {
        const char* what;
        int width, height, filter;
        float radius;
    };
    const std::vector<Case> cases{
        {"filter 7", 4, 4, 7, 0},
        {"filter -1", 4, 4, -1, 0},
        {"negative radius", 4, 4, 5, -1},
        {"radius not a number", 4, 4, 5, std::numeric_limits<float>::quiet_NaN()},
        {"infinite radius", 4, 4, 5, std::numeric_limits<float>::infinity()},
        {"negative width", -4, 4, 5, 0},
        {"negative height", 4, -4, 5, 0},
    };
    for (const Case& c : cases) {
        Bitmap bitmap = picture;
        EXPECT_THROW(StretchBitmap(c.width, c.height, FilterNumber(c.filter), c.radius, bitmap),
                     std::invalid_argument)
            << c.what;
        EXPECT_EQ(bitmap, picture) << c.what;
    }
}

TEST(DoStretch, SourceAndTargetMayBeOneBitmap)
{
    std::mt19937 random(4);
    Bitmap bitmap = Noise(31, 12, random);
    const Bitmap expected = reference::Stretch(bitmap, 31, 12, reference::Kernel(3), 1.5f);
    DoStretch(Filters[3], 1.5f, bitmap, bitmap);
    EXPECT_EQ(bitmap, expected);
}

// Weights beyond 16 bits and totals of 0 with contributors are left to MixContributors.
TEST(DoStretch, EntriesOutsideTheFastRangeGiveThePlainResult)
{
    const auto huge = [](float x) { return std::fabs(x) < 1 ? 200.0f : 0.0f; };
    const auto odd = [](float x) { return std::fabs(x) < 1.5f ? x : 0.0f; };
    const Filter hugeFilter{FilterNumber::Box, "huge", huge, 1};
    const Filter oddFilter{FilterNumber::Box, "odd", odd, 1.5f};
    std::mt19937 random(5);
    const Bitmap picture = Noise(17, 13, random);
    for (const auto& [width, height] : {std::pair{17, 13}, std::pair{40, 30}, std::pair{9, 5}}) {
        ExpectPlainResult(hugeFilter, 1, picture, width, height, huge);
        ExpectPlainResult(oddFilter, 1.5f, picture, width, height, odd);
    }
}

// Sizes 0 to 300 in both directions, every filter, default, small and wide radii, both pass
// codes, against the plain algorithm byte for byte.
TEST(DoStretch, RandomPicturesEqualThePlainAlgorithm)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> small(0, 24);
    std::uniform_int_distribution<int> large(0, 300);
    std::uniform_real_distribution<float> smallRadius(0.05f, 1);
    std::uniform_real_distribution<float> wideRadius(1, 2.5f);
    for (int round = 0; round < 350; ++round) {
        const auto length = [&](int dimension) {
            return (round + dimension) % 5 == 0 ? large(random) : small(random);
        };
        const int sourceWidth = length(0), sourceHeight = length(1);
        const int width = length(2), height = length(3);
        const int number = round % FilterCount;
        const Filter& filter = Filters[static_cast<std::size_t>(number)];
        float radius = filter.radius;
        if (round % 3 == 1)
            radius *= smallRadius(random);
        else if (round % 3 == 2)
            radius *= wideRadius(random);
        const Bitmap source = Noise(sourceWidth, sourceHeight, random);
        ExpectPlainResult(filter, radius, source, width, height, reference::Kernel(number));
        if (HasFatalFailure())
            return;
    }
}
