#include "ClickableLabel.h"

#include <QMouseEvent>

namespace about {

ClickableLabel::ClickableLabel(QWidget* parent) : platform::StaticText(parent) {}

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

} // namespace about
