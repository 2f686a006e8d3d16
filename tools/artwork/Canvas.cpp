#include "Canvas.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace artwork {
namespace {

constexpr int SamplesPerAxis = 8;

int channel(double value)
{
    return static_cast<int>(std::lround(std::clamp(value, 0.0, 255.0)));
}

} // namespace

Rgb mix(Rgb a, Rgb b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb lighten(Rgb c, double t)
{
    return mix(c, {255, 255, 255}, t);
}

Rgb darken(Rgb c, double t)
{
    return mix(c, {0, 0, 0}, t);
}

Coverage::Coverage(int width, int height)
    : width_(width), height_(height), values_(static_cast<size_t>(width) * height, 0.0)
{
}

Coverage sample(int width, int height, QRect bounds, const Region& inside)
{
    Coverage coverage(width, height);
    bounds &= QRect(0, 0, width, height);
    constexpr double step = 1.0 / SamplesPerAxis;
    for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
        for (int x = bounds.left(); x <= bounds.right(); ++x) {
            int hits = 0;
            for (int j = 0; j < SamplesPerAxis; ++j) {
                const double sy = y - 0.5 + (j + 0.5) * step;
                for (int i = 0; i < SamplesPerAxis; ++i) {
                    if (inside(x - 0.5 + (i + 0.5) * step, sy))
                        ++hits;
                }
            }
            coverage.set(x, y, hits / double(SamplesPerAxis * SamplesPerAxis));
        }
    }
    return coverage;
}

Coverage fill(int width, int height, const QPainterPath& path)
{
    QImage mask(width, height, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(0.5, 0.5);
        painter.fillPath(path, Qt::white);
    }
    Coverage coverage(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            coverage.set(x, y, qAlpha(mask.pixel(x, y)) / 255.0);
    }
    return coverage;
}

Canvas::Canvas(int width, int height, Rgb background, double alpha)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, background),
      alpha_(static_cast<size_t>(width) * height, alpha)
{
}

void Canvas::paint(const Coverage& coverage, Rgb colour, double opacity)
{
    paint(
        coverage, [colour](double, double) { return colour; }, opacity);
}

void Canvas::paint(const Coverage& coverage, const Shader& shader, double opacity)
{
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const double a = coverage.at(x, y) * opacity;
            if (a > 0.0)
                blend(x, y, shader(x, y), a);
        }
    }
}

void Canvas::set(int x, int y, Rgb colour, double alpha)
{
    pixels_[index(x, y)] = colour;
    alpha_[index(x, y)] = alpha;
}

void Canvas::blend(int x, int y, Rgb colour, double alpha)
{
    const int i = index(x, y);
    const double under = alpha_[i] * (1.0 - alpha);
    const double total = alpha + under;
    if (total <= 0.0)
        return;
    const Rgb& d = pixels_[i];
    pixels_[i] = {(colour.r * alpha + d.r * under) / total,
                  (colour.g * alpha + d.g * under) / total,
                  (colour.b * alpha + d.b * under) / total};
    alpha_[i] = total;
}

QImage Canvas::toImage() const
{
    QImage image(width_, height_, QImage::Format_RGB32);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x)
            setPixel(image, x, y, at(x, y));
    }
    return image;
}

QImage Canvas::toImageWithAlpha() const
{
    QImage image(width_, height_, QImage::Format_ARGB32);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Rgb& c = at(x, y);
            const int a = channel(alphaAt(x, y) * 255.0);
            image.setPixel(x, y, a == 0 ? 0u : qRgba(channel(c.r), channel(c.g), channel(c.b), a));
        }
    }
    return image;
}

void setPixel(QImage& image, int x, int y, Rgb colour)
{
    image.setPixel(x, y, qRgb(channel(colour.r), channel(colour.g), channel(colour.b)));
}

} // namespace artwork
