#pragma once

#include <QImage>

namespace platform {

// The key colour of a picture: the colour of its bottom-left pixel.
QRgb keyColour(const QImage& picture);

// The picture in ARGB32 with every pixel of exactly the key colour fully
// transparent and every other pixel unchanged and opaque (no blending).
QImage withKeyColourTransparent(const QImage& picture);

} // namespace platform
