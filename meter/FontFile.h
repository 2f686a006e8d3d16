#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace meter {

// Makes sure a font file lies at `path` and says what may be loaded from it.
//
// When no file exists at `path` (a symbolic link counts by its target), `data`
// is written to a fresh file in the same folder, flushed to disk and renamed
// into place, so the path never shows a partly written file and a dangling
// link there is replaced rather than followed. Two callers doing this at the
// same moment both succeed. An existing file is never rewritten.
//
// Returns the bytes of the file when it is a plain file of the current user,
// reached without a symbolic link. Returns nothing for anything else at the
// path (an entry of another user, a link, a device); the caller then uses its
// own data. Throws platform::Error "Cannot create file "<path>". <reason>"
// when the file is missing and cannot be created or written.
std::optional<QByteArray> ProvideFontFile(const QString& path, const QByteArray& data);

} // namespace meter
