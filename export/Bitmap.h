#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace exporting {

// A 24-bit picture: three bytes per pixel in the order blue, green, red, rows from the top.
// Rows are padded to a multiple of four bytes, the layout of QImage::Format_BGR888, so the
// Qt side can copy whole rows using pitch().
class Bitmap {
public:
    Bitmap() = default;
    // All pixels white. Throws std::invalid_argument for a negative size and std::bad_alloc
    // when the pixels cannot be held.
    Bitmap(int width, int height);

    // Gives the bitmap a new size with all pixels white. On failure it keeps its picture.
    void setSize(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    // Distance in bytes from one row to the next.
    std::ptrdiff_t pitch() const { return pitch_; }
    bool isEmpty() const { return width_ == 0 || height_ == 0; }

    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }
    // First byte (blue) of pixel (x, y); no bounds check.
    std::uint8_t* pixel(int x, int y) { return data() + y * pitch_ + 3 * std::ptrdiff_t{x}; }
    const std::uint8_t* pixel(int x, int y) const
    {
        return data() + y * pitch_ + 3 * std::ptrdiff_t{x};
    }

    static std::ptrdiff_t pitchFor(int width);

    friend bool operator==(const Bitmap& a, const Bitmap& b);

private:
    int width_ = 0;
    int height_ = 0;
    std::ptrdiff_t pitch_ = 0;
    std::vector<std::uint8_t> bytes_;
};

} // namespace exporting
