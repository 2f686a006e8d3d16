#include "RenderRequest.h"

#include "export/PictureFile.h"
#include "meter/RangeTable.h"

#include <map>

namespace app {
namespace {

int rangeIndex(const QString& name)
{
    bool isNumber = false;
    const int number = name.toInt(&isNumber);
    if (isNumber)
        return number >= 0 && number < int(meter::RangeTable.size()) ? number : -2;
    for (int index = 0; index < int(meter::RangeTable.size()); ++index) {
        if (name.compare(QString::fromUtf8(meter::RangeTable[index].entryText),
                         Qt::CaseInsensitive) == 0)
            return index;
    }
    return -2;
}

QString rangeNames()
{
    QStringList names;
    for (const meter::Range& range : meter::RangeTable)
        names << QString::fromUtf8(range.entryText);
    return names.join(QStringLiteral(", "));
}

} // namespace

QString RenderUsage()
{
    return QStringLiteral(
               "Usage: quorvel-render [options] --output FILE\n"
               "Draws the Quorvel meter picture, as its copy button makes it, into a file.\n"
               "\n"
               "  --reading TEXT           the reading on the display (default 0.0000)\n"
               "  --range NAME|0-7         %1\n"
               "                           (default: Volt, as the program starts)\n"
               "  --size 100|75|50         the picture's size in percent (default 100)\n"
               "  --background white|pink  the colour around the meter (default white)\n"
               "  --output FILE            a .png or .bmp file, or - for PNG on standard output\n"
               "  --help                   show this help\n"
               "  --version                show the version\n")
        .arg(rangeNames());
}

RenderCommand ParseRenderArguments(const QStringList& arguments)
{
    RenderRequest request;
    bool hasOutput = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        if (option == QLatin1String("--help") || option == QLatin1String("-h"))
            return ShowHelp{};
        if (option == QLatin1String("--version"))
            return ShowVersion{};
        static const QStringList withValue = {"--reading", "--range", "--size", "--background",
                                              "--output"};
        if (!withValue.contains(option))
            return UsageError{QStringLiteral("unknown option \"%1\"").arg(option)};
        if (i + 1 >= arguments.size())
            return UsageError{QStringLiteral("%1 needs a value").arg(option)};
        const QString value = arguments[++i];

        if (option == QLatin1String("--reading")) {
            request.reading = value;
        } else if (option == QLatin1String("--range")) {
            request.range = rangeIndex(value);
            if (request.range < 0)
                return UsageError{QStringLiteral("unknown range \"%1\" (one of %2, or 0 to 7)")
                                      .arg(value, rangeNames())};
        } else if (option == QLatin1String("--size")) {
            static const std::map<QString, PictureSize> sizes = {{"100", PictureSize::Full},
                                                                 {"75", PictureSize::ThreeQuarters},
                                                                 {"50", PictureSize::Half}};
            const auto size = sizes.find(value);
            if (size == sizes.end())
                return UsageError{QStringLiteral("unknown size \"%1\" (100, 75 or 50)").arg(value)};
            request.size = size->second;
        } else if (option == QLatin1String("--background")) {
            if (value.compare(QLatin1String("white"), Qt::CaseInsensitive) == 0)
                request.background = Background::White;
            else if (value.compare(QLatin1String("pink"), Qt::CaseInsensitive) == 0)
                request.background = Background::Pink;
            else
                return UsageError{
                    QStringLiteral("unknown background \"%1\" (white or pink)").arg(value)};
        } else {
            hasOutput = true;
            request.output = value;
        }
    }
    if (!hasOutput || request.output.isEmpty())
        return UsageError{
            QStringLiteral("no output file given (--output FILE, or - for standard output)")};
    if (request.output != QLatin1String("-") &&
        exporting::PictureFormatFor(request.output).isEmpty())
        return UsageError{QStringLiteral("cannot tell the format of \"%1\": use .png or .bmp")
                              .arg(request.output)};
    return request;
}

} // namespace app
