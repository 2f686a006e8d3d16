#pragma once

#include <QString>

namespace meter {

// The user's temporary folder: TEMP when it is set and not empty, otherwise
// TMPDIR when it is set and not empty, otherwise /tmp. The value is taken as
// it is: a trailing slash stays.
QString TemporaryFolder();

// Where the display's typeface is kept: the temporary folder followed by "/DS-DIGI.TTF".
QString DigitFontFilePath();

} // namespace meter
