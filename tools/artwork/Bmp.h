#pragma once

#include <QByteArray>
#include <QImage>

namespace artwork {

// A complete 24-bit bitmap file: 14-byte file header, 40-byte information header,
// rows from the bottom up stored blue, green, red and padded to a multiple of 4 bytes.
QByteArray encodeBmp24(const QImage& image);

} // namespace artwork
