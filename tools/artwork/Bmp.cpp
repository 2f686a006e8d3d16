#include "Bmp.h"

#include <cstdint>

namespace artwork {
namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr int PixelsPerMetreAt96Dpi = 3780;

void put16(QByteArray& bytes, uint16_t value)
{
    bytes.append(char(value & 0xff));
    bytes.append(char(value >> 8));
}

void put32(QByteArray& bytes, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(char((value >> shift) & 0xff));
}

} // namespace

QByteArray encodeBmp24(const QImage& image)
{
    const int rowSize = (image.width() * 3 + 3) / 4 * 4;
    const uint32_t pixelBytes = uint32_t(rowSize) * uint32_t(image.height());
    const uint32_t offset = FileHeaderSize + InfoHeaderSize;

    QByteArray bytes;
    bytes.reserve(int(offset + pixelBytes));
    bytes.append("BM", 2);
    put32(bytes, offset + pixelBytes);
    put32(bytes, 0);
    put32(bytes, offset);

    put32(bytes, InfoHeaderSize);
    put32(bytes, uint32_t(image.width()));
    put32(bytes, uint32_t(image.height()));
    put16(bytes, 1);
    put16(bytes, 24);
    put32(bytes, 0);
    put32(bytes, pixelBytes);
    put32(bytes, PixelsPerMetreAt96Dpi);
    put32(bytes, PixelsPerMetreAt96Dpi);
    put32(bytes, 0);
    put32(bytes, 0);

    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            bytes.append(char(qBlue(pixel)));
            bytes.append(char(qGreen(pixel)));
            bytes.append(char(qRed(pixel)));
        }
        for (int pad = image.width() * 3; pad < rowSize; ++pad)
            bytes.append('\0');
    }
    return bytes;
}

} // namespace artwork
