#include "ProgramIcon.h"

#include "Canvas.h"

#include <QPainterPathStroker>
#include <QTransform>

#include <algorithm>

namespace artwork {
namespace {

// Drawn in a 32 × 32 grid whose lines are the pixel edges at 32 pixels.
constexpr double Grid = 32.0;

constexpr Rgb Orange{244, 132, 24};
constexpr Rgb OrangeDark{150, 70, 6};
constexpr Rgb OrangeLight{255, 186, 96};
constexpr Rgb Glass{206, 222, 178};
constexpr Rgb GlassDark{36, 52, 36};
constexpr Rgb Knob{52, 54, 60};
constexpr Rgb Metal{214, 216, 222};
constexpr Rgb Black{30, 30, 34};
constexpr Rgb BlackShine{96, 96, 104};
constexpr Rgb Red{206, 30, 30};
constexpr Rgb RedShine{250, 110, 100};

QPainterPath roundedRect(double left, double top, double right, double bottom, double radius)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(QPointF(left, top), QPointF(right, bottom)), radius, radius);
    return path;
}

QPainterPath circle(double x, double y, double radius)
{
    QPainterPath path;
    path.addEllipse(QPointF(x, y), radius, radius);
    return path;
}

QPainterPath stroke(const QPainterPath& line, double width, Qt::PenCapStyle cap = Qt::RoundCap)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line);
}

struct Probe {
    QPainterPath lead;
    QPainterPath handle;
    QPainterPath tip;
};

Probe probe(double socketX, double socketY, double lowest, double sideX, double tipX)
{
    Probe p;
    QPainterPath lead(QPointF(socketX, socketY));
    lead.cubicTo(QPointF(socketX, lowest), QPointF(sideX, lowest), QPointF(sideX, 22));
    lead.lineTo(QPointF(sideX, 14));
    p.lead = stroke(lead, 1.6);
    QPainterPath handle(QPointF(sideX, 15));
    handle.lineTo(QPointF(tipX, 6.5));
    p.handle = stroke(handle, 2.6, Qt::RoundCap);
    QPainterPath tip(QPointF(tipX, 7));
    tip.lineTo(QPointF(tipX + 0.4, 1.2));
    p.tip = stroke(tip, 1.0, Qt::FlatCap);
    return p;
}

} // namespace

QImage programIcon(int size, bool oneBitAlpha)
{
    const double s = size / Grid;
    const QTransform place = QTransform::fromTranslate(-0.5, -0.5).scale(s, s);
    Canvas canvas(size, size, {0, 0, 0}, 0.0);
    auto paint = [&](const QPainterPath& path, Rgb colour) {
        canvas.paint(fill(size, size, place.map(path)), colour);
    };
    auto paintShaded = [&](const QPainterPath& path, const Shader& shader) {
        canvas.paint(fill(size, size, place.map(path)), shader);
    };

    const Probe black = probe(8.5, 25.5, 32.0, 28.5, 28.8);
    const Probe red = probe(15.5, 25.5, 29.2, 24.5, 24.5);

    paint(roundedRect(2, 3, 21, 31, 3.2), OrangeDark);
    paintShaded(roundedRect(3, 4, 20, 30, 2.4), [&](double x, double y) {
        const double gx = (x + 0.5) / s;
        const double gy = (y + 0.5) / s;
        if (gx < 4.2 || gy < 5.2)
            return OrangeLight;
        return mix(Orange, OrangeDark, std::clamp((gx + gy - 20.0) / 40.0, 0.0, 0.35));
    });

    paint(roundedRect(5, 6, 18, 14, 1.0), GlassDark);
    paint(roundedRect(6, 7, 17, 13, 0.6), Glass);
    for (double dash : {7.0, 10.5, 14.0})
        paint(roundedRect(dash, 9.5, dash + 2, 10.6, 0.3), GlassDark);

    paint(circle(11.5, 19.0, 3.8), OrangeDark);
    paint(circle(11.5, 19.0, 3.1), Knob);
    QPainterPath pointer(QPointF(11.5, 19.0));
    pointer.lineTo(QPointF(9.4, 16.9));
    paint(stroke(pointer, 1.2), Metal);

    paint(circle(8.5, 25.5, 1.7), Black);
    paint(circle(15.5, 25.5, 1.7), Red);

    struct Lead {
        const Probe& probe;
        double handleX;
        Rgb body;
        Rgb shine;
    };
    for (const Lead& lead :
         {Lead{black, 28.6, Black, BlackShine}, Lead{red, 24.5, Red, RedShine}}) {
        paint(lead.probe.lead, lead.body);
        paint(lead.probe.tip, Metal);
        paintShaded(lead.probe.handle, [&](double x, double) {
            return (x + 0.5) / s < lead.handleX - 0.4 ? lead.shine : lead.body;
        });
    }

    if (!oneBitAlpha)
        return canvas.toImageWithAlpha();
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x)
            canvas.set(x, y, canvas.at(x, y), canvas.alphaAt(x, y) >= 0.5 ? 1.0 : 0.0);
    }
    return canvas.toImageWithAlpha();
}

} // namespace artwork
