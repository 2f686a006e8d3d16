#include "Resources.h"

#include "Error.h"

#include <QDir>
#include <QFile>
#include <QHash>

namespace platform {
namespace {

// Qt's resource paths are case-sensitive, so look the name up in the folder's listing.
QString findResource(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    for (const QString& entry : dir.entryList(QDir::Files)) {
        if (QFileInfo(entry).completeBaseName().compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    throw Error(QStringLiteral("Resource %1 not found").arg(name));
}

} // namespace

QImage LoadBitmapResource(const QString& name)
{
    QImage image(findResource(QStringLiteral(":/bitmaps"), name));
    if (image.isNull())
        throw Error(QStringLiteral("Resource %1 not found").arg(name));
    return image.convertToFormat(QImage::Format_RGB32);
}

QByteArray LoadRawResource(const QString& name)
{
    QFile file(findResource(QStringLiteral(":/rcdata"), name));
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Resource %1 not found").arg(name));
    return file.readAll();
}

} // namespace platform
