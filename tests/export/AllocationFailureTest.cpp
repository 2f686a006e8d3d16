#include "export/Resampler.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <new>

// Every allocation of the operation fails in turn: each failure must reach the caller as
// std::bad_alloc and leave the bitmap as it was.
namespace {

int allocationsLeft = -1; // below 0: no failures

void* Allocate(std::size_t size, std::size_t alignment = alignof(std::max_align_t))
{
    if (allocationsLeft == 0)
        throw std::bad_alloc();
    if (allocationsLeft > 0)
        --allocationsLeft;
    const std::size_t rounded = (size + alignment - 1) / alignment * alignment;
    if (void* memory = std::aligned_alloc(alignment, rounded ? rounded : alignment))
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
void* operator new(std::size_t size, std::align_val_t alignment)
{
    return Allocate(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment)
{
    return Allocate(size, static_cast<std::size_t>(alignment));
}
void operator delete(void* memory, std::align_val_t) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::align_val_t) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept
{
    std::free(memory);
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

// The export's size, and one whose columns go through LoadChannels and MixContributors.
TEST(StretchBitmap, EveryAllocationFailureKeepsThePicture)
{
    using exporting::Bitmap;
    struct Case {
        int sourceWidth, sourceHeight, width, height;
    };
    for (const Case& c : {Case{101, 197, 76, 148}, Case{1000, 10, 2, 10}}) {
        Bitmap original(c.sourceWidth, c.sourceHeight);
        for (int y = 0; y < original.height(); ++y)
            for (int x = 0; x < 3 * original.width(); ++x)
                original.pixel(0, y)[x] = static_cast<std::uint8_t>(x * 7 + y);

        Bitmap expected = original;
        exporting::StretchBitmap(c.width, c.height, exporting::FilterNumber::Lanczos3, 0, expected);

        int failures = 0;
        for (int allowed = 0;; ++allowed) {
            Bitmap bitmap = original;
            allocationsLeft = allowed;
            try {
                exporting::StretchBitmap(c.width, c.height, exporting::FilterNumber::Lanczos3, 0,
                                         bitmap);
                allocationsLeft = -1;
                EXPECT_EQ(bitmap, expected);
                break;
            } catch (const std::bad_alloc&) {
                allocationsLeft = -1;
                ++failures;
                ASSERT_EQ(bitmap, original) << "allocation " << allowed << " failed";
            }
        }
        EXPECT_GT(failures, 20);
    }
}
