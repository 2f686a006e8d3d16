#pragma once

#include "export/Bitmap.h"

#include <QImage>

namespace exporting {

// Conversions between QImage and our 24-bit Bitmap, keeping every pixel's colour.
Bitmap ToBitmap(const QImage& image);
QImage ToImage(const Bitmap& bitmap);

} // namespace exporting
