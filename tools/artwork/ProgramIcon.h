#pragma once

#include <QImage>

namespace artwork {

// The program icon at the given size in pixels: an orange multimeter with its two
// probes. With oneBitAlpha every pixel is fully opaque or fully transparent.
QImage programIcon(int size, bool oneBitAlpha);

} // namespace artwork
