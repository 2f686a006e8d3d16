#include "PictureFile.h"

#include "platform/Error.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QMimeData>
#include <QSaveFile>
#include <QUrl>

namespace exporting {

QByteArray PictureFormatFor(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return "PNG";
    if (suffix == QLatin1String("bmp"))
        return "BMP";
    return {};
}

void SavePictureFile(const QImage& picture, const QString& path)
{
    const auto failed = [&](const QString& reason) {
        return platform::Error(QStringLiteral("Cannot save file \"%1\". %2").arg(path, reason));
    };
    const QByteArray format = PictureFormatFor(path);
    if (format.isEmpty())
        throw failed(QStringLiteral("Only .png and .bmp files can be written"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw failed(file.errorString());
    QImageWriter writer(&file, format);
    if (!writer.write(picture)) {
        file.cancelWriting();
        throw failed(writer.errorString());
    }
    if (!file.commit())
        throw failed(file.errorString());
}

QMimeData* PictureMimeData(const QImage& picture, const QString& folder, const QString& fileName)
{
    auto* data = new QMimeData;
    data->setImageData(picture);
    const QString path = QDir(folder).filePath(fileName);
    try {
        SavePictureFile(picture, path);
        data->setUrls({QUrl::fromLocalFile(path)});
    } catch (const platform::Error&) {
        // Programs that take images still get the picture itself.
    }
    return data;
}

} // namespace exporting
