#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace artwork {

struct ArtworkFile {
    QString path; // relative to the output folder
    QByteArray bytes;
};

// Every picture the program carries, drawn and encoded. The same bytes on every run.
std::vector<ArtworkFile> renderArtwork();

} // namespace artwork
