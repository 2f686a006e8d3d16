#include "Artwork.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>
#include <exception>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: quorvel-artwork <output folder>\n"
                         "Draws every picture of Quorvel into the output folder.\n");
    return 2;
}

bool write(const QDir& folder, const artwork::ArtworkFile& file)
{
    const QString path = folder.filePath(file.path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        std::fprintf(stderr, "quorvel-artwork: cannot create the folder of %s\n", qPrintable(path));
        return false;
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file.bytes) != file.bytes.size() ||
        !out.commit()) {
        std::fprintf(stderr, "quorvel-artwork: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(out.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2 || argv[1][0] == '\0')
        return usage();
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "quorvel-artwork: cannot create the folder %s\n",
                     qPrintable(folder.path()));
        return 1;
    }
    try {
        for (const artwork::ArtworkFile& file : artwork::renderArtwork()) {
            if (!write(folder, file))
                return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quorvel-artwork: %s\n", error.what());
        return 1;
    }
    return 0;
}
