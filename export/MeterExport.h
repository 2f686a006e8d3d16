#pragma once

#include "export/CleanupSets.h"

#include <QImage>
#include <QRect>

class QWidget;

namespace exporting {

// The pixels that `window` shows in `area` of its client area, exactly as it
// composes them, whatever lies over the window or wherever it stands: rendered
// from the window itself at one device pixel per pixel.
QImage RenderClientArea(QWidget& window, const QRect& area);

// The picture resampled with Lanczos3 to the clean-up set's size, then every
// pixel of the set painted with `paint`.
QImage ShrinkAndCleanUp(const QImage& picture, const CleanupSet& set, QRgb paint);

// Replaces the clipboard's contents with the picture.
// Throws platform::Error when the clipboard cannot be taken.
void PutOnClipboard(const QImage& picture);

} // namespace exporting
