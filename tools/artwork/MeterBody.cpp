#include "MeterBody.h"

#include "Knob.h"
#include "Palette.h"
#include "PixelFont.h"
#include "resources/BodyGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace artwork {
namespace {

using namespace resources;

constexpr int W = BodyWidth;
constexpr int H = BodyHeight;
constexpr int CasingBottomRow = 173;

struct RoundedRect {
    double left;
    double top;
    double right;
    double bottom;
    double radius;

    // Signed distance from the rectangle's edge, negative inside.
    double distance(double x, double y) const
    {
        const double cx = (left + right) / 2;
        const double cy = (top + bottom) / 2;
        const double qx = std::abs(x - cx) - ((right - left) / 2 - radius);
        const double qy = std::abs(y - cy) - ((bottom - top) / 2 - radius);
        return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) -
               radius;
    }
    bool contains(double x, double y) const { return distance(x, y) <= 0; }
    QRect bounds() const
    {
        return QRect(QPoint(int(std::floor(left)), int(std::floor(top))),
                     QPoint(int(std::ceil(right)), int(std::ceil(bottom))));
    }
};

// Pixel edges: a pixel index i spans i - 0.5 to i + 0.5.
constexpr RoundedRect FaceOuter{6.5, 6.5, 94.5, 165.5, 3.0};
constexpr RoundedRect FaceInner{7.5, 7.5, 93.5, 164.5, 2.0};
constexpr RoundedRect BezelOuter{9.5, 10.5, 90.5, 59.5, 3.5};
constexpr RoundedRect BezelInner{10.5, 11.5, 89.5, 58.5, 2.5};

// Light comes from the upper left.
constexpr double LightX = -0.6;
constexpr double LightY = -0.8;

bool isCasing(int x, int y)
{
    return x >= 0 && x < W && y >= 0 && y <= CasingBottomRow && !IsOutlinePixel(x, y);
}

void paintShape(Canvas& canvas, const RoundedRect& shape, const Shader& shader)
{
    canvas.paint(
        sample(W, H, shape.bounds(), [&](double x, double y) { return shape.contains(x, y); }),
        shader);
}

void paintDisc(Canvas& canvas, double cx, double cy, double radius, const Shader& shader)
{
    const QRect bounds(int(cx - radius) - 1, int(cy - radius) - 1, int(2 * radius) + 3,
                       int(2 * radius) + 3);
    canvas.paint(sample(W, H, bounds,
                        [&](double x, double y) { return std::hypot(x - cx, y - cy) <= radius; }),
                 shader);
}

void paintDisc(Canvas& canvas, double cx, double cy, double radius, Rgb colour)
{
    paintDisc(canvas, cx, cy, radius, [colour](double, double) { return colour; });
}

// How much light a slope facing down the gradient (gx, gy) catches: positive when it
// faces the light, negative when it turns away.
double facingLight(double gx, double gy)
{
    const double length = std::hypot(gx, gy);
    if (length == 0)
        return 0;
    return -(gx * LightX + gy * LightY) / length;
}

// A yellow casing with rounded, lit edges: the outer edge turns away from the
// viewer, the inner edge slopes down to the face.
void paintCasing(Canvas& canvas)
{
    constexpr int Reach = 7;
    std::vector<double> outside(size_t(W) * H, 0.0);
    auto field = [&](int x, int y) {
        return (x < 0 || x >= W || y < 0 || y >= H) ? 0.0 : outside[size_t(y) * W + x];
    };
    for (int y = 0; y <= CasingBottomRow; ++y) {
        for (int x = 0; x < W; ++x) {
            if (!isCasing(x, y))
                continue;
            double nearest = Reach + 1;
            for (int dy = -Reach; dy <= Reach; ++dy) {
                for (int dx = -Reach; dx <= Reach; ++dx) {
                    if (!isCasing(x + dx, y + dy))
                        nearest = std::min(nearest, std::hypot(dx, dy));
                }
            }
            outside[size_t(y) * W + x] = nearest;
        }
    }

    for (int y = 0; y <= CasingBottomRow; ++y) {
        for (int x = 0; x < W; ++x) {
            if (!isCasing(x, y))
                continue;
            double light = 0.0;
            const double d = field(x, y);
            if (d < 4.0) {
                const double slope = std::clamp((4.0 - d) / 3.0, 0.0, 1.0);
                light += facingLight(field(x + 1, y) - field(x - 1, y),
                                     field(x, y + 1) - field(x, y - 1)) *
                         slope * 0.55;
            }
            const double f = FaceOuter.distance(x, y);
            if (f < 2.5) {
                constexpr double e = 0.01;
                const double slope = std::clamp((2.5 - f) / 2.0, 0.0, 1.0);
                light += facingLight(FaceOuter.distance(x + e, y) - FaceOuter.distance(x - e, y),
                                     FaceOuter.distance(x, y + e) - FaceOuter.distance(x, y - e)) *
                         slope * 0.35;
            }
            light -= 0.10 * (x / double(W) + y / double(H));
            Rgb c = light >= 0 ? lighten(palette::Casing, std::min(light, 0.6))
                               : darken(palette::Casing, std::min(-light, 0.6));
            if (d <= 1.0)
                c = mix(c, palette::CasingRim, 0.55);
            canvas.set(x, y, c);
        }
    }
}

void paintFace(Canvas& canvas)
{
    paintShape(canvas, FaceOuter, [](double, double) { return palette::FaceEdge; });
    paintShape(canvas, FaceInner, [](double, double) { return palette::Face; });
}

void paintDisplay(Canvas& canvas)
{
    paintShape(canvas, BezelOuter, [](double, double) { return darken(palette::Bezel, 0.35); });
    paintShape(canvas, BezelInner, [](double, double y) {
        const double t = (y - BezelInner.top) / (BezelInner.bottom - BezelInner.top);
        return mix(lighten(palette::Bezel, 0.10), darken(palette::Bezel, 0.12), t);
    });
    // The glass sits in a recess: its upper and left rims lie in shadow.
    for (int x = DisplayGlass.left - 1; x <= DisplayGlass.right + 1; ++x)
        canvas.set(x, DisplayGlass.top - 1, darken(palette::Bezel, 0.45));
    for (int y = DisplayGlass.top; y <= DisplayGlassEdge.bottom; ++y) {
        canvas.set(DisplayGlass.left - 1, y, darken(palette::Bezel, 0.40));
        canvas.set(DisplayGlass.right + 1, y, darken(palette::Bezel, 0.25));
    }
    for (int x = DisplayGlass.left - 1; x <= DisplayGlass.right + 1; ++x)
        canvas.set(x, DisplayGlassEdge.bottom + 1, lighten(palette::Bezel, 0.18));

    const Rgb glass{double(DisplayGlassColour[0]), double(DisplayGlassColour[1]),
                    double(DisplayGlassColour[2])};
    for (int y = DisplayGlass.top; y <= DisplayGlass.bottom; ++y) {
        for (int x = DisplayGlass.left; x <= DisplayGlass.right; ++x)
            canvas.set(x, y, glass);
    }
    for (int x = DisplayGlassEdge.left; x <= DisplayGlassEdge.right; ++x) {
        canvas.set(x, DisplayGlassEdge.top, palette::GlassEdgeUpper);
        canvas.set(x, DisplayGlassEdge.bottom, palette::GlassEdgeLower);
    }
}

struct Label {
    std::u32string_view text;
    int left;
    int top;
};

void paintSwitch(Canvas& canvas)
{
    constexpr std::array<Label, 8> labels{{
        {U"OFF", 9, 95},
        {U"mV", 15, 81},
        {U"V\u2393", 24, 71},
        {U"mA", 46, 67},
        {U"A\u2393", 68, 72},
        {U"k\u03a9", 77, 86},
        {U"\u03a9", 81, 99},
        {U"\U0001F50A", 77, 113},
    }};
    for (const Label& label : labels)
        drawText(canvas, label.left, label.top, label.text, palette::Print);
    for (const Point& mark : SwitchMarks)
        paintDisc(canvas, mark.x, mark.y, 1.45, palette::Mark);

    // Covered by the knob picture; drawn inside the disc every knob picture covers.
    paintKnob(canvas, KnobCentreX, KnobCentreY, KnobRadius - 1.5, 120.0);
}

void paintPlug(Canvas& canvas, double cx, double cy, Rgb ring, Rgb plug)
{
    paintDisc(canvas, cx, cy, 6.0, [&](double x, double y) {
        const double lit = -((x - cx) * LightX + (y - cy) * LightY) / 6.0;
        return lit > 0 ? lighten(ring, 0.30 * lit) : darken(ring, 0.35 * -lit);
    });
    paintDisc(canvas, cx, cy, 4.9, darken(ring, 0.55));
    // The plug's boot narrows down to the lead.
    const QRect bootBounds(int(cx) - 5, int(cy), 11, 10);
    canvas.paint(sample(W, H, bootBounds,
                        [&](double x, double y) {
                            const double t = (y - cy) / 8.0;
                            return t >= 0 && t <= 1 && std::abs(x - cx) <= 4.0 - 2.5 * t;
                        }),
                 [&](double x, double) { return x > cx + 0.5 ? darken(plug, 0.25) : plug; });
    paintDisc(canvas, cx, cy, 4.4, [&](double x, double y) {
        const double spot = std::hypot(x - (cx - 1.6), y - (cy - 1.6));
        const double shine = std::exp(-spot * spot / 3.0);
        const double lit = -((x - cx) * LightX + (y - cy) * LightY) / 4.4;
        const Rgb body = lit > 0 ? darken(plug, 0.30 * lit) : plug;
        return lighten(body, 0.55 * shine);
    });
}

void paintLead(Canvas& canvas, int firstColumn, int fromRow, Rgb colour)
{
    const std::array<Rgb, 3> across{darken(colour, 0.25), lighten(colour, 0.28),
                                    darken(colour, 0.10)};
    for (int y = fromRow; y < H - 1; ++y) {
        for (int i = 0; i < 3; ++i)
            canvas.set(firstColumn + i, y,
                       y > CasingBottomRow ? darken(across[i], 0.05) : across[i]);
    }
}

void paintTriangle(Canvas& canvas, int left, int top)
{
    // clang-format off
    constexpr std::array<std::string_view, 8> rows{
        "....#....",
        "...#.#...",
        "...#.#...",
        "..#.#.#..",
        "..#.#.#..",
        ".#.....#.",
        ".#..#..#.",
        "#########",
    };
    // clang-format on
    for (int row = 0; row < int(rows.size()); ++row) {
        for (int column = 0; column < int(rows[row].size()); ++column) {
            if (rows[row][column] == '#')
                canvas.set(left + column, top + row, palette::Mark);
        }
    }
}

void paintSockets(Canvas& canvas)
{
    drawText(canvas, 22, 136, U"A", palette::Print);
    drawText(canvas, 44, 136, U"COM", palette::Print);
    drawText(canvas, 72, 135, U"V\u03a9", palette::Print);
    drawText(canvas, 31, 146, U"10A", palette::Print);
    drawText(canvas, 30, 152, U"MAX", palette::Print);
    paintTriangle(canvas, 59, 146);

    paintDisc(canvas, 23.5, 146.5, 4.0, [](double x, double y) {
        const double lit = -((x - 23.5) * LightX + (y - 146.5) * LightY) / 4.0;
        return lit > 0 ? lighten(palette::SocketRed, 0.25 * lit)
                       : darken(palette::SocketRed, 0.30 * -lit);
    });
    paintDisc(canvas, 23.5, 146.5, 2.4, palette::SocketBlack);
    paintDisc(canvas, 23.5, 146.5, 0.9, mix(palette::MetalEdge, palette::SocketBlack, 0.3));

    paintLead(canvas, 50, 155, palette::LeadBlack);
    paintLead(canvas, 75, 154, palette::LeadRed);
    paintPlug(canvas, 50.5, 148.5, palette::SocketBlack, palette::PlugBlack);
    paintPlug(canvas, 76.5, 147.6, darken(palette::SocketRed, 0.25), palette::PlugRed);
}

void paintMaker(Canvas& canvas)
{
    const std::u32string_view maker = U"QUORVEL";
    drawText(canvas, 50 - textWidth(maker) / 2, 61, maker, lighten(palette::Face, 0.45));
}

} // namespace

QImage meterBody()
{
    Canvas canvas(W, H, palette::White);
    paintCasing(canvas);
    paintFace(canvas);
    paintDisplay(canvas);
    paintMaker(canvas);
    paintSwitch(canvas);
    paintSockets(canvas);

    QImage image = canvas.toImage();
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            if (IsOutlinePixel(x, y))
                image.setPixel(x, y, white);
            else if ((image.pixel(x, y) & RGB_MASK) == (white & RGB_MASK))
                throw std::logic_error("white pixel inside the meter body");
        }
    }
    return image;
}

} // namespace artwork
