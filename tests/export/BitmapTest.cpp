#include "export/Bitmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <new>
#include <stdexcept>

using exporting::Bitmap;

TEST(Bitmap, NewSizeIsWhiteWithRowsPaddedToFourBytes)
{
    Bitmap bitmap(5, 3);
    EXPECT_EQ(bitmap.width(), 5);
    EXPECT_EQ(bitmap.height(), 3);
    EXPECT_EQ(bitmap.pitch(), 16);
    EXPECT_EQ(bitmap.pixel(2, 1) - bitmap.data(), 16 + 6);
    EXPECT_TRUE(std::all_of(bitmap.data(), bitmap.data() + 3 * 16,
                            [](std::uint8_t b) { return b == 0xFF; }));

    bitmap.pixel(4, 2)[0] = 0;
    bitmap.setSize(4, 1);
    EXPECT_EQ(bitmap.pitch(), 12);
    EXPECT_TRUE(
        std::all_of(bitmap.data(), bitmap.data() + 12, [](std::uint8_t b) { return b == 0xFF; }));

    bitmap.setSize(0, 7);
    EXPECT_TRUE(bitmap.isEmpty());
    EXPECT_EQ(bitmap.height(), 7);
}

TEST(Bitmap, BadSizeKeepsThePicture)
{
    Bitmap bitmap(2, 2);
    bitmap.pixel(1, 1)[2] = 7;
    const Bitmap before = bitmap;
    EXPECT_THROW(bitmap.setSize(-1, 2), std::invalid_argument);
    EXPECT_THROW(bitmap.setSize(0x7FFFFFFF, 0x7FFFFFFF), std::bad_alloc);
    EXPECT_EQ(bitmap, before);
    EXPECT_THROW(Bitmap(3, -3), std::invalid_argument);
}

TEST(Bitmap, EqualityComparesPixelsNotPadding)
{
    Bitmap a(1, 2);
    Bitmap b(1, 2);
    a.data()[3] = 0; // padding of row 0
    EXPECT_EQ(a, b);
    a.pixel(0, 1)[1] = 0;
    EXPECT_NE(a, b);
    EXPECT_NE(Bitmap(1, 2), Bitmap(2, 1));
}
