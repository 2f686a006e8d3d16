#pragma once

#include <QString>

namespace meter {

// The family that the display asks for.
inline constexpr char kDigitFontFamily[] = "DS-Digital";

// Makes the display's typeface available to this program before the display
// first draws. Sets `Datei` to the typeface file in the user's temporary
// folder, writes the program's own copy there when no file exists yet, and
// registers the face with Qt's font database. When the file there cannot be
// used (not a font, not ours, a link), the program's own copy is registered
// instead, without a message. Neither the file nor the registration is ever
// removed.
//
// Throws platform::Error "Cannot create file "<path>". <reason>" when the file
// is missing and cannot be written; nothing is registered then.
void InstallDigitFont(QString& Datei);

// Registers the program's own copy of the typeface, touching no file; for
// programs that draw the meter without installing anything.
void RegisterEmbeddedDigitFont();

} // namespace meter
