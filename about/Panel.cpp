#include "Panel.h"

#include <QPainter>

namespace about {
namespace {

// A one-pixel bevel along the edges of `r`: top and left in `topLeft`, right and bottom,
// with the two corners they share with the others, in `bottomRight`.
void drawBevel(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    painter.setPen(topLeft);
    painter.drawLine(r.left(), r.top(), r.right() - 1, r.top());
    painter.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
    painter.setPen(bottomRight);
    painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
    painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
}

} // namespace

Panel::Panel(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void Panel::paintEvent(QPaintEvent*)
{
    if (width() < 2 || height() < 2)
        return;
    QPainter painter(this);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor highlight = palette().color(QPalette::Light);
    drawBevel(painter, rect(), shadow, highlight);
    drawBevel(painter, rect().adjusted(1, 1, -1, -1), highlight, shadow);
}

} // namespace about
