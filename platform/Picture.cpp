#include "Picture.h"

#include "KeyColour.h"
#include "Resources.h"

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
    clicks_.press(event);
}

void Picture::mouseReleaseEvent(QMouseEvent* event)
{
    if (clicks_.release(event, rect()))
        emit clicked();
}

} // namespace platform
