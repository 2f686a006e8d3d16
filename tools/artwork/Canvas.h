#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRect>

#include <functional>
#include <vector>

namespace artwork {

struct Rgb {
    double r;
    double g;
    double b;
};

Rgb mix(Rgb a, Rgb b, double t);
Rgb lighten(Rgb c, double t);
Rgb darken(Rgb c, double t);

// How much of each pixel a shape covers, from 0 to 1. Pixel (x, y) is the unit
// square centred on the point (x, y), so shapes are given in pixel-centre coordinates.
class Coverage {
public:
    Coverage(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    double at(int x, int y) const { return values_[index(x, y)]; }
    void set(int x, int y, double value) { values_[index(x, y)] = value; }

private:
    int index(int x, int y) const { return y * width_ + x; }

    int width_;
    int height_;
    std::vector<double> values_;
};

using Region = std::function<bool(double x, double y)>;
using Shader = std::function<Rgb(double x, double y)>;

// Coverage by supersampling a point test on an 8 × 8 grid inside every pixel of bounds.
Coverage sample(int width, int height, QRect bounds, const Region& inside);

// Coverage by QPainter's antialiased rasteriser.
Coverage fill(int width, int height, const QPainterPath& path);

// A picture held in floating point while it is composed, so that the layers do not
// round one after the other; the pixels are rounded once when it becomes an image.
class Canvas {
public:
    Canvas(int width, int height, Rgb background, double alpha = 1.0);

    int width() const { return width_; }
    int height() const { return height_; }

    void paint(const Coverage& coverage, Rgb colour, double opacity = 1.0);
    void paint(const Coverage& coverage, const Shader& shader, double opacity = 1.0);
    void set(int x, int y, Rgb colour, double alpha = 1.0);
    Rgb at(int x, int y) const { return pixels_[index(x, y)]; }
    double alphaAt(int x, int y) const { return alpha_[index(x, y)]; }

    QImage toImage() const;
    QImage toImageWithAlpha() const;

private:
    int index(int x, int y) const { return y * width_ + x; }
    void blend(int x, int y, Rgb colour, double alpha);

    int width_;
    int height_;
    std::vector<Rgb> pixels_;
    std::vector<double> alpha_;
};

void setPixel(QImage& image, int x, int y, Rgb colour);

} // namespace artwork
