#include "export/Resampler.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

// Every allocation of the operation fails in turn: each failure must reach the caller as
// std::bad_alloc and leave the bitmap as it was.
namespace {

int allocationsLeft = -1; // below 0: no failures

void* Allocate(std::size_t size)
{
    if (allocationsLeft == 0)
        throw std::bad_alloc();
    if (allocationsLeft > 0)
        --allocationsLeft;
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size)
{
    return Allocate(size);
}
void* operator new[](std::size_t size)
{
    return Allocate(size);
}
void operator delete(void* memory) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept
{
    std::free(memory);
}

TEST(StretchBitmap, EveryAllocationFailureKeepsThePicture)
{
    using exporting::Bitmap;
    Bitmap original(101, 197);
    for (int y = 0; y < original.height(); ++y)
        for (int x = 0; x < 3 * original.width(); ++x)
            original.pixel(0, y)[x] = static_cast<std::uint8_t>(x * 7 + y);

    Bitmap expected = original;
    exporting::StretchBitmap(76, 148, exporting::FilterNumber::Lanczos3, 0, expected);

    int failures = 0;
    for (int allowed = 0;; ++allowed) {
        Bitmap bitmap = original;
        allocationsLeft = allowed;
        try {
            exporting::StretchBitmap(76, 148, exporting::FilterNumber::Lanczos3, 0, bitmap);
            allocationsLeft = -1;
            EXPECT_EQ(bitmap, expected);
            break;
        } catch (const std::bad_alloc&) {
            allocationsLeft = -1;
            ++failures;
            ASSERT_EQ(bitmap, original) << "allocation " << allowed << " failed";
        }
    }
    EXPECT_GT(failures, 5);
}
