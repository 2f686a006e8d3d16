#include "export/Bitmap.h"

#include <algorithm>
#include <limits>
#include <new>
#include <stdexcept>
#include <utility>

namespace exporting {

Bitmap::Bitmap(int width, int height)
{
    setSize(width, height);
}

std::ptrdiff_t Bitmap::pitchFor(int width)
{
    return (3 * std::ptrdiff_t{width} + 3) & ~std::ptrdiff_t{3};
}

void Bitmap::setSize(int width, int height)
{
    if (width < 0 || height < 0)
        throw std::invalid_argument("Bitmap size must not be negative");
    const std::ptrdiff_t pitch = pitchFor(width);
    if (height > 0 && pitch > std::numeric_limits<std::ptrdiff_t>::max() / height)
        throw std::bad_alloc();
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(pitch * height), 0xFF);
    width_ = width;
    height_ = height;
    pitch_ = pitch;
    bytes_ = std::move(bytes);
}

bool operator==(const Bitmap& a, const Bitmap& b)
{
    if (a.width_ != b.width_ || a.height_ != b.height_)
        return false;
    const auto rowBytes = static_cast<std::size_t>(3 * std::ptrdiff_t{a.width_});
    for (int y = 0; y < a.height_; ++y) {
        if (!std::equal(a.pixel(0, y), a.pixel(0, y) + rowBytes, b.pixel(0, y)))
            return false;
    }
    return true;
}

} // namespace exporting
