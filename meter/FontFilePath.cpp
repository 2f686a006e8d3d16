#include "FontFilePath.h"

#include <QFile>

namespace meter {
namespace {

QString environmentFolder(const char* name)
{
    return QFile::decodeName(qgetenv(name));
}

} // namespace

QString TemporaryFolder()
{
    for (const char* name : {"TEMP", "TMPDIR"}) {
        const QString folder = environmentFolder(name);
        if (!folder.isEmpty())
            return folder;
    }
    return QStringLiteral("/tmp");
}

QString DigitFontFilePath()
{
    return TemporaryFolder() + QStringLiteral("/DS-DIGI.TTF");
}

} // namespace meter
