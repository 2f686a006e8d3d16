#include "KeyColour.h"

namespace platform {

QRgb keyColour(const QImage& picture)
{
    return picture.pixel(0, picture.height() - 1) & RGB_MASK;
}

QImage withKeyColourTransparent(const QImage& picture)
{
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    if (result.isNull())
        return result;
    const QRgb key = keyColour(picture);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            line[x] = (line[x] & RGB_MASK) == key ? 0 : (line[x] | ~RGB_MASK);
    }
    return result;
}

} // namespace platform
