#include "Picture.h"

#include "Resources.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

Picture::Picture(QWidget* parent) : QWidget(parent) {}

void Picture::setPicture(const QImage& picture)
{
    picture_ = picture;
    prepare();
    update();
}

void Picture::LoadFromResourceName(const QString& name) { setPicture(LoadBitmapResource(name)); }

void Picture::setTransparent(bool transparent)
{
    transparent_ = transparent;
    prepare();
    update();
}

void Picture::prepare()
{
    drawn_ = picture_.convertToFormat(QImage::Format_ARGB32);
    if (!transparent_ || drawn_.isNull())
        return;
    const QRgb key = drawn_.pixel(0, drawn_.height() - 1) & RGB_MASK;
    for (int y = 0; y < drawn_.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(drawn_.scanLine(y));
        for (int x = 0; x < drawn_.width(); ++x) {
            if ((line[x] & RGB_MASK) == key)
                line[x] = 0;
        }
    }
}

void Picture::paintEvent(QPaintEvent*)
{
    if (drawn_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, drawn_);
}

void Picture::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void Picture::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

} // namespace platform
