#include "InstallDigitFont.h"

#include "FontFile.h"
#include "FontFilePath.h"
#include "platform/Resources.h"

#include <QFontDatabase>

namespace meter {
namespace {

// Registers `font` when it holds the display's face. Another family is not
// left behind: the display would not use it and nothing else asked for it.
bool registerDigitFace(const QByteArray& font)
{
    if (font.isEmpty())
        return false;
    const int id = QFontDatabase::addApplicationFontFromData(font);
    if (id < 0)
        return false;
    if (QFontDatabase::applicationFontFamilies(id).contains(QLatin1String(kDigitFontFamily),
                                                            Qt::CaseInsensitive))
        return true;
    QFontDatabase::removeApplicationFont(id);
    return false;
}

} // namespace

void InstallDigitFont(QString& Datei)
{
    Datei = DigitFontFilePath();
    const QByteArray embedded = platform::LoadRawResource(QStringLiteral("DigiFont"));
    const std::optional<QByteArray> file = ProvideFontFile(Datei, embedded);
    if (!file || !registerDigitFace(*file))
        registerDigitFace(embedded);
}

void RegisterEmbeddedDigitFont()
{
    registerDigitFace(platform::LoadRawResource(QStringLiteral("DigiFont")));
}

} // namespace meter
