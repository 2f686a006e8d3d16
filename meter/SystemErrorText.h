#pragma once

#include <QString>

namespace meter {

// The system's description of an errno value, fit to follow a sentence of our
// own: trailing blanks, control characters and full stops removed.
QString SystemErrorText(int error);

// `text` without trailing blanks, control characters and full stops.
QString TrimSystemMessage(QString text);

} // namespace meter
