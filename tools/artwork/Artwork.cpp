#include "Artwork.h"

#include "Bmp.h"
#include "ClipboardGlyph.h"
#include "Knob.h"
#include "Logo.h"
#include "MeterBody.h"
#include "ProgramIcon.h"
#include "meter/RangeTable.h"

#include <QBuffer>
#include <QImageWriter>
#include <stdexcept>

namespace artwork {
namespace {

QByteArray encodePng(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // For PNG, Qt maps quality 0 to zlib's strongest compression; the pixels stay exact.
    writer.setQuality(0);
    if (!writer.write(image))
        throw std::runtime_error("cannot encode PNG: " + writer.errorString().toStdString());
    return bytes;
}

} // namespace

std::vector<ArtworkFile> renderArtwork()
{
    std::vector<ArtworkFile> files;
    files.push_back({QStringLiteral("form1/Image1.bmp"), encodeBmp24(meterBody())});

    for (const meter::Range& range : meter::RangeTable) {
        const QImage knob = knobPicture(range.pointerDegrees);
        files.push_back({QStringLiteral("bitmaps/%1.bmp").arg(QLatin1String(range.pictureName)),
                         encodeBmp24(knob)});
        // The meter window starts with the knob at Volt.
        if (QLatin1String(range.pictureName) == QLatin1String("VOLT")) {
            files.push_back({QStringLiteral("form1/Knopf.bmp"),
                             encodeBmp24(initialKnobPicture(knob, range.pointerDegrees))});
        }
    }
    files.push_back({QStringLiteral("form1/Button1.bmp"), encodeBmp24(clipboardGlyph())});
    files.push_back({QStringLiteral("about/Image1.bmp"), encodeBmp24(makerLogo())});
    for (int size : {32, 48, 128, 256}) {
        files.push_back({QStringLiteral("icons/quorvel-%1.png").arg(size),
                         encodePng(programIcon(size, size == 32))});
    }
    return files;
}

} // namespace artwork
