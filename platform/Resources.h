#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace platform {

// Named resources of the program, found by name without regard to case
// ("pips" finds PIPS). A missing name raises "Resource <name> not found".
QImage LoadBitmapResource(const QString& name);
QByteArray LoadRawResource(const QString& name);

} // namespace platform
