#include "Knob.h"

#include "Palette.h"
#include "resources/BodyGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace artwork {
namespace {

constexpr double BarHalfWidth = 3.75;
constexpr double BarTail = 14.0;
constexpr double HoleDistance = 18.0;
constexpr double HoleRadius = 1.6;
constexpr double RimWidth = 3.0;
constexpr double EdgeWidth = 0.9;
constexpr int InitialHighlightPixels = 10;

// Coordinates of a point in the knob's own frame: along the pointer and across it.
struct KnobFrame {
    double centreX;
    double centreY;
    double ux;
    double uy;

    KnobFrame(double cx, double cy, double degrees)
        : centreX(cx), centreY(cy), ux(std::cos(degrees * std::numbers::pi / 180.0)),
          uy(-std::sin(degrees * std::numbers::pi / 180.0))
    {
    }
    double along(double x, double y) const { return (x - centreX) * ux + (y - centreY) * uy; }
    double across(double x, double y) const { return -(x - centreX) * uy + (y - centreY) * ux; }
    double distance(double x, double y) const { return std::hypot(x - centreX, y - centreY); }
};

bool onBar(const KnobFrame& frame, double radius, double x, double y)
{
    const double t = frame.along(x, y);
    const double s = frame.across(x, y);
    if (std::abs(s) > BarHalfWidth || t > radius - EdgeWidth * 0.7)
        return false;
    const double roundStart = -BarTail + BarHalfWidth;
    if (t < roundStart)
        return std::hypot(s, t - roundStart) <= BarHalfWidth;
    return true;
}

bool isHighlight(const KnobFrame& frame, double radius, double x, double y)
{
    const double t = frame.along(x, y);
    return t >= HoleDistance + 1.6 && t <= radius - 1.0 && std::abs(frame.across(x, y)) <= 1.6;
}

} // namespace

void paintKnob(Canvas& canvas, double cx, double cy, double radius, double degrees)
{
    const KnobFrame frame(cx, cy, degrees);
    const QRect bounds(int(std::floor(cx - radius)) - 1, int(std::floor(cy - radius)) - 1,
                       int(2 * radius) + 4, int(2 * radius) + 4);
    const int w = canvas.width();
    const int h = canvas.height();

    const Coverage disc =
        sample(w, h, bounds, [&](double x, double y) { return frame.distance(x, y) < radius; });
    canvas.paint(disc, [&](double x, double y) {
        const double d = frame.distance(x, y);
        // Light falls on the side away from the pointer.
        const double away = -frame.along(x, y) / radius;
        Rgb c = away > 0 ? lighten(palette::KnobBody, 0.26 * away)
                         : darken(palette::KnobBody, -0.18 * away);
        if (d > radius - EdgeWidth)
            return palette::KnobEdge;
        if (d > radius - EdgeWidth - RimWidth) {
            const double angle = std::atan2(y - cy, x - cx);
            const double knurl = 0.5 + 0.5 * std::cos(angle * 40.0);
            Rgb rim = away > 0 ? lighten(palette::KnobRim, 0.30 * away)
                               : darken(palette::KnobRim, -0.28 * away);
            c = darken(rim, 0.16 * knurl);
        }
        return c;
    });

    const Coverage bar =
        sample(w, h, bounds, [&](double x, double y) { return onBar(frame, radius, x, y); });
    canvas.paint(bar, [&](double x, double y) {
        const double q = std::abs(frame.across(x, y)) / BarHalfWidth;
        const double t = frame.along(x, y);
        const Rgb metal = mix(palette::Metal, palette::MetalEdge, std::pow(q, 1.6));
        return t < 0 ? darken(metal, 0.06 * (-t / BarTail)) : metal;
    });

    const Coverage hole = sample(w, h, bounds, [&](double x, double y) {
        const double t = frame.along(x, y) - HoleDistance;
        return std::hypot(t, frame.across(x, y)) <= HoleRadius;
    });
    canvas.paint(hole, palette::Hole);
}

QImage knobPicture(double degrees)
{
    using namespace resources;
    const double centre = (KnobSize - 1) / 2.0;
    Canvas canvas(KnobSize, KnobSize, palette::Face);
    paintKnob(canvas, centre, centre, KnobRadius, degrees);
    QImage image = canvas.toImage();

    const KnobFrame frame(centre, centre, degrees);
    const QRgb key = qRgb(KnobKeyColour[0], KnobKeyColour[1], KnobKeyColour[2]);
    const QRgb highlight =
        qRgb(KnobHighlightColour[0], KnobHighlightColour[1], KnobHighlightColour[2]);
    for (int y = 0; y < KnobSize; ++y) {
        for (int x = 0; x < KnobSize; ++x) {
            if (frame.distance(x, y) > KnobRadius)
                image.setPixel(x, y, key);
            else if (isHighlight(frame, KnobRadius, x, y))
                image.setPixel(x, y, highlight);
        }
    }
    return image;
}

QImage initialKnobPicture(const QImage& picture, double degrees)
{
    using namespace resources;
    const double centre = (picture.width() - 1) / 2.0;
    const KnobFrame frame(centre, centre, degrees);
    const QRgb highlight =
        qRgb(KnobHighlightColour[0], KnobHighlightColour[1], KnobHighlightColour[2]);

    struct Candidate {
        double along;
        int x;
        int y;
    };
    std::vector<Candidate> candidates;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if ((picture.pixel(x, y) & RGB_MASK) == (highlight & RGB_MASK))
                candidates.push_back({frame.along(x, y), x, y});
        }
    }
    if (candidates.size() < InitialHighlightPixels)
        throw std::logic_error("the knob picture has too few highlight pixels");
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.along > b.along; });

    QImage initial = picture;
    for (int i = 0; i < InitialHighlightPixels; ++i)
        initial.setPixel(candidates[i].x, candidates[i].y, qRgb(255, 255, 255));
    return initial;
}

} // namespace artwork
