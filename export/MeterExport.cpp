#include "MeterExport.h"

#include "export/BitmapImage.h"
#include "export/Resampler.h"
#include "platform/Error.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QWidget>

namespace exporting {

QImage RenderClientArea(QWidget& window, const QRect& area)
{
    QImage picture(area.size(), QImage::Format_RGB32);
    picture.setDevicePixelRatio(1);
    picture.fill(window.palette().window().color());
    window.render(&picture, QPoint(), QRegion(area));
    return picture;
}

QImage ShrinkAndCleanUp(const QImage& picture, const CleanupSet& set, QRgb paint)
{
    Bitmap bitmap = ToBitmap(picture);
    StretchBitmap(set.width, set.height, FilterNumber::Lanczos3, 0, bitmap);
    QImage result = ToImage(bitmap);
    for (const PixelArea& area : set.areas) {
        for (int x = area.left; x <= area.right; ++x) {
            for (int y = area.top; y <= area.bottom; ++y)
                result.setPixel(x, y, paint);
        }
    }
    return result;
}

void PutOnClipboard(const QImage& picture)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        throw platform::Error(QStringLiteral("Cannot open clipboard"));
    clipboard->setImage(picture);
    // On X11 the copy is only pasteable while we own the selection.
    if (QGuiApplication::platformName() == QLatin1String("xcb") && !clipboard->ownsClipboard())
        throw platform::Error(QStringLiteral("Cannot open clipboard"));
}

} // namespace exporting
