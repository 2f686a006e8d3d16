#include "BitmapImage.h"

#include <cstring>

namespace exporting {

Bitmap ToBitmap(const QImage& image)
{
    const QImage source = image.convertToFormat(QImage::Format_BGR888);
    Bitmap bitmap(source.width(), source.height());
    for (int y = 0; y < source.height(); ++y)
        std::memcpy(bitmap.pixel(0, y), source.constScanLine(y), 3 * size_t(source.width()));
    return bitmap;
}

QImage ToImage(const Bitmap& bitmap)
{
    QImage image(bitmap.width(), bitmap.height(), QImage::Format_BGR888);
    for (int y = 0; y < bitmap.height(); ++y)
        std::memcpy(image.scanLine(y), bitmap.pixel(0, y), 3 * size_t(bitmap.width()));
    return image;
}

} // namespace exporting
