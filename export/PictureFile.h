#pragma once

#include <QImage>
#include <QString>

class QMimeData;

namespace exporting {

// The image format a file name asks for by its extension: "PNG", "BMP", or empty.
QByteArray PictureFormatFor(const QString& path);

// Writes the picture to `path` in the format its extension names. The file is
// replaced only once the whole picture is written.
// Throws platform::Error "Cannot save file "<path>". <reason>" on failure.
void SavePictureFile(const QImage& picture, const QString& path);

// The picture for a drag to another program: the image itself, and a PNG file
// `fileName` in `folder` for programs that take files.
QMimeData* PictureMimeData(const QImage& picture, const QString& folder, const QString& fileName);

} // namespace exporting
