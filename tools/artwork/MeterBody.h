#pragma once

#include <QImage>

namespace artwork {

// The meter body, 101 × 197, white outside its outline.
QImage meterBody();

} // namespace artwork
