#pragma once

#include <QRgb>

class QWidget;

namespace platform {

// A font that a control names for itself; controls without one inherit their window's.
struct FontDefinition {
    const char* family;
    int pixelSize;
    bool bold;
    bool underline;
    QRgb colour;
};

// Gives the control the font and its text colour. `fallbackFamily`, when given, is
// used where the named family is not installed.
void applyFont(QWidget* control, const FontDefinition& definition,
               const char* fallbackFamily = nullptr);

} // namespace platform
