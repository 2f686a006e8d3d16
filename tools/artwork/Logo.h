#pragma once

#include <QImage>

namespace artwork {

// The maker's lettering for the About dialog, 250 × 46 on the key colour (240, 240, 240).
QImage makerLogo();

} // namespace artwork
