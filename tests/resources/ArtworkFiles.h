#pragma once

#include <QFile>
#include <QImage>
#include <QString>

#include <array>

namespace artwork_test {

struct ArtworkFile {
    const char* path; // relative to resources/, and the resource path after ":/"
    int width;
    int height;
};

inline constexpr std::array<ArtworkFile, 16> ArtworkFiles{{
    {"form1/Image1.bmp", 101, 197},
    {"form1/Knopf.bmp", 50, 50},
    {"form1/Button1.bmp", 15, 16},
    {"bitmaps/OFF.bmp", 50, 50},
    {"bitmaps/MV.bmp", 50, 50},
    {"bitmaps/VOLT.bmp", 50, 50},
    {"bitmaps/MA.bmp", 50, 50},
    {"bitmaps/AMPERE.bmp", 50, 50},
    {"bitmaps/KOHM.bmp", 50, 50},
    {"bitmaps/OHM.bmp", 50, 50},
    {"bitmaps/PIPS.bmp", 50, 50},
    {"about/Image1.bmp", 250, 46},
    {"icons/quorvel-32.png", 32, 32},
    {"icons/quorvel-48.png", 48, 48},
    {"icons/quorvel-128.png", 128, 128},
    {"icons/quorvel-256.png", 256, 256},
}};

inline QString committedPath(const QString& relative)
{
    return QStringLiteral(QUORVEL_ARTWORK_DIR "/") + relative;
}

inline QByteArray readCommitted(const QString& relative)
{
    QFile file(committedPath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QImage loadCommitted(const QString& relative)
{
    return QImage(committedPath(relative)).convertToFormat(QImage::Format_RGB32);
}

} // namespace artwork_test
