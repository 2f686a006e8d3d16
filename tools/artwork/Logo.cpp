#include "Logo.h"

#include "Canvas.h"

#include <QTransform>

#include <vector>

namespace artwork {
namespace {

constexpr int Width = 250;
constexpr int Height = 46;
constexpr Rgb Background{240, 240, 240};
constexpr Rgb Ink{24, 44, 86};
constexpr Rgb Accent{242, 122, 18};

// The letters are drawn in units where the capitals stand 30 high on the baseline
// y = 30 and the small letters reach up to y = 12.
constexpr double Baseline = 30.0;
constexpr double XHeight = 12.0;
constexpr double Gap = 3.0;

QPainterPath ring(QPointF centre, double outer, double inner)
{
    QPainterPath path;
    path.addEllipse(centre, outer, outer);
    path.addEllipse(centre, inner, inner);
    return path;
}

QPainterPath rect(double left, double top, double right, double bottom)
{
    QPainterPath path;
    path.addRect(QRectF(QPointF(left, top), QPointF(right, bottom)));
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

struct Letter {
    QPainterPath shape;
    double width;
};

Letter bowlQ(double x)
{
    return {ring({x + 15, 15}, 15, 9.5), 30};
}

Letter letterU(double x)
{
    const double w = 17;
    QPainterPath shape = rect(x, XHeight, x + 4.8, 21.5);
    shape = shape.united(rect(x + w - 4.8, XHeight, x + w, Baseline));
    shape = shape.united(ring({x + w / 2, 21.5}, w / 2, w / 2 - 4.8)
                             .intersected(rect(x - 1, 21.5, x + w - 2, Baseline + 1)));
    return {shape, w};
}

Letter letterO(double x)
{
    return {ring({x + 9, 21}, 9, 4.4), 18};
}

Letter letterR(double x)
{
    QPainterPath shape = rect(x, XHeight, x + 4.8, Baseline);
    shape = shape.united(
        ring({x + 12, 23.5}, 11.5, 6.7).intersected(rect(x + 2, XHeight - 1, x + 14, 18)));
    return {shape, 14};
}

Letter letterV(double x)
{
    return {polygon({{x, XHeight},
                     {x + 5.2, XHeight},
                     {x + 9, 24.2},
                     {x + 12.8, XHeight},
                     {x + 18, XHeight},
                     {x + 11.6, Baseline},
                     {x + 6.4, Baseline}}),
            18};
}

Letter letterE(double x)
{
    const QPointF centre(x + 9, 21);
    QPainterPath opening = polygon({centre, {x + 20, 22.2}, {x + 20, 34}, {x + 12, 34}});
    QPainterPath shape = ring(centre, 9, 4.4).subtracted(opening);
    shape = shape.united(rect(x + 1, 19.4, x + 17.5, 22.4));
    return {shape, 18};
}

Letter letterL(double x)
{
    return {rect(x, 0, x + 4.8, Baseline), 4.8};
}

} // namespace

QImage makerLogo()
{
    std::vector<QPainterPath> ink;
    double x = 0;
    const Letter q = bowlQ(x);
    ink.push_back(q.shape);
    x += q.width + Gap;
    const double restStart = x;
    for (Letter (*make)(double) : {letterU, letterO, letterR, letterV, letterE, letterL}) {
        const Letter letter = make(x);
        ink.push_back(letter.shape);
        x += letter.width + Gap;
    }
    const double restEnd = x - Gap;

    // The Q is a dial: its needle sweeps out of the bowl into the line under the word.
    QPainterPath accent =
        polygon({{13.2, 13.4}, {16.8, 16.6}, {restStart + 1, 33.4}, {restStart - 1.5, 33.4}});
    accent.addEllipse(QPointF(15, 15), 2.8, 2.8);
    accent = accent.united(rect(restStart - 1.5, 31.6, restEnd, 34.2));

    constexpr double scale = 1.15;
    const double left = (Width - restEnd * scale) / 2;
    const QTransform place = QTransform::fromTranslate(left - 0.5, 4.0 - 0.5).scale(scale, scale);

    Canvas canvas(Width, Height, Background);
    for (const QPainterPath& letter : ink)
        canvas.paint(fill(Width, Height, place.map(letter)), Ink);
    canvas.paint(fill(Width, Height, place.map(accent)), Accent);
    return canvas.toImage();
}

} // namespace artwork
