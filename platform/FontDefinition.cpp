#include "FontDefinition.h"

#include <QWidget>

namespace platform {

void applyFont(QWidget* control, const FontDefinition& definition, const char* fallbackFamily)
{
    QFont font(QString::fromUtf8(definition.family));
    if (fallbackFamily)
        font.setFamilies({QString::fromUtf8(definition.family), QString::fromUtf8(fallbackFamily)});
    font.setPixelSize(definition.pixelSize);
    font.setBold(definition.bold);
    font.setUnderline(definition.underline);
    control->setFont(font);
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(definition.colour));
    palette.setColor(QPalette::ButtonText, QColor::fromRgb(definition.colour));
    control->setPalette(palette);
}

} // namespace platform
