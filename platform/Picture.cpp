#include "Picture.h"

#include "KeyColour.h"
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

void Picture::LoadFromResourceName(const QString& name)
{
    setPicture(LoadBitmapResource(name));
}

void Picture::setTransparent(bool transparent)
{
    transparent_ = transparent;
    prepare();
    update();
}

void Picture::prepare()
{
    drawn_ = transparent_ ? withKeyColourTransparent(picture_)
                          : picture_.convertToFormat(QImage::Format_RGB32);
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
