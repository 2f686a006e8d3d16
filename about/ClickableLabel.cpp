#include "ClickableLabel.h"

namespace about {

ClickableLabel::ClickableLabel(QWidget* parent) : platform::StaticText(parent) {}

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    clicks_.press(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (clicks_.release(event, rect()))
        emit clicked();
}

} // namespace about
