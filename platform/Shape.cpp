#include "Shape.h"

#include <QPainter>

namespace platform {

Shape::Shape(QWidget* parent) : QWidget(parent) {}

void Shape::setBrushColor(const QColor& colour)
{
    if (colour == brush_)
        return;
    brush_ = colour;
    repaint();
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), brush_);
}

} // namespace platform
