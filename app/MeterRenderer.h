#pragma once

#include "RenderRequest.h"

#include <QImage>

namespace app {

// The meter picture for the request, drawn by the meter window's own code
// exactly as its copy button makes it. The window is never shown.
QImage RenderMeterPicture(const RenderRequest& request);

// Writes the picture where the request says, in its format; a file is replaced
// only once it has been written whole. Returns an error text, empty on success.
QString WritePicture(const QImage& picture, const RenderRequest& request);

} // namespace app
