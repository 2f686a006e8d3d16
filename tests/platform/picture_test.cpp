#include "platform/Error.h"
#include "platform/Picture.h"
#include "platform/Shape.h"
#include "platform/StaticText.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

QImage grabbed(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(Picture, SkipsExactlyTheKeyColourTakenFromTheBottomLeftPixel)
{
    const QRgb key = qRgb(255, 0, 128), nearKey = qRgb(255, 0, 129), ink = qRgb(10, 20, 30);
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(ink);
    picture.setPixel(0, 2, key); // bottom-left: the key
    picture.setPixel(3, 0, key);
    picture.setPixel(1, 1, nearKey);

    QWidget window;
    window.setFixedSize(10, 10);
    auto* shape = new platform::Shape(&window);
    shape->setGeometry(0, 0, 10, 10);
    shape->setBrushColor(QColor(0, 200, 0));
    auto* control = new platform::Picture(&window);
    control->setGeometry(2, 2, 6, 6);
    control->setPicture(picture);
    control->setTransparent(true);

    QImage shot = grabbed(window);
    EXPECT_EQ(shot.pixel(2, 4), qRgb(0, 200, 0)) << "key pixel shows what lies beneath";
    EXPECT_EQ(shot.pixel(5, 2), qRgb(0, 200, 0));
    EXPECT_EQ(shot.pixel(3, 3), nearKey) << "only the exact key colour is skipped";
    EXPECT_EQ(shot.pixel(2, 2), ink);
    EXPECT_EQ(shot.pixel(6, 2), qRgb(0, 200, 0)) << "nothing drawn beyond the picture";

    // A replacing picture brings its own key colour.
    QImage other(4, 3, QImage::Format_RGB32);
    other.fill(key);
    other.setPixel(0, 2, ink);
    control->setPicture(other);
    shot = grabbed(window);
    EXPECT_EQ(shot.pixel(2, 4), qRgb(0, 200, 0));
    EXPECT_EQ(shot.pixel(3, 3), key);
}

TEST(Picture, FailedResourceLoadKeepsThePicture)
{
    platform::Picture control;
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    control.setPicture(picture);
    EXPECT_THROW(control.LoadFromResourceName(QStringLiteral("nope")), platform::Error);
    EXPECT_EQ(control.picture(), picture);
}

TEST(Shape, BlackOutlineOnePixelWideAroundTheFill)
{
    platform::Shape shape;
    shape.resize(7, 5);
    shape.setBrushColor(QColor(255, 0, 255));
    const QImage shot = grabbed(shape);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x) {
            const bool edge = x == 0 || y == 0 || x == 6 || y == 4;
            EXPECT_EQ(shot.pixel(x, y), edge ? qRgb(0, 0, 0) : qRgb(255, 0, 255)) << x << "," << y;
        }
    }
}

TEST(StaticText, ShowsTextLiterallyAndClipsAtItsBox)
{
    QWidget window;
    window.setFixedSize(60, 30);
    auto* text = new platform::StaticText(&window);
    text->setGeometry(10, 5, 20, 12);
    text->setText(QStringLiteral("<b>WWWWWWWWWWWW</b>"));
    EXPECT_EQ(text->textFormat(), Qt::PlainText);
    const QImage shot = grabbed(window);
    const QRgb background = shot.pixel(0, 0);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 60; ++x) {
            if (!QRect(10, 5, 20, 12).contains(x, y)) {
                ASSERT_EQ(shot.pixel(x, y), background)
                    << "ink outside the box at " << x << "," << y;
            }
        }
    }
}

} // namespace
