#pragma once

#include <QString>
#include <QStringList>
#include <variant>

namespace app {

enum class PictureSize { Full, ThreeQuarters, Half };
enum class Background { White, Pink };

// What quorvel-render is asked to draw and where to write it.
struct RenderRequest {
    QString reading = QStringLiteral("0.0000");
    int range = -1; // an index of the range table; -1 keeps the range a first start shows
    PictureSize size = PictureSize::Full;
    Background background = Background::White;
    QString output; // a .png or .bmp file, or "-" for PNG on standard output
};

struct ShowHelp {};
struct ShowVersion {};
struct UsageError {
    QString message;
};

using RenderCommand = std::variant<RenderRequest, ShowHelp, ShowVersion, UsageError>;

// Reads quorvel-render's arguments (without the program name).
RenderCommand ParseRenderArguments(const QStringList& arguments);

QString RenderUsage();

} // namespace app
