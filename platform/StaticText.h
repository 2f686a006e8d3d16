#pragma once

#include <QLabel>

namespace platform {

// A static text without a background of its own: a fixed box, the text on one
// line at the top, left or right aligned, clipped at the box. Shown exactly as
// given: never read as markup.
class StaticText : public QLabel {
    Q_OBJECT

public:
    explicit StaticText(QWidget* parent = nullptr);

    void setRightAligned(bool right);
};

} // namespace platform
