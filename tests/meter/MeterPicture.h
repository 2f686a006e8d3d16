#pragma once

#include "platform/KeyColour.h"

#include <QImage>

// The meter picture as the window composes it, apart from the two texts: the
// background colour, the body over it and the knob over the body, each skipping
// its key colour.
inline QImage composedMeter(QRgb background, const QImage& body, const QImage& knob)
{
    QImage result(body.size(), QImage::Format_RGB32);
    const QRgb bodyKey = platform::keyColour(body), knobKey = platform::keyColour(knob);
    for (int y = 0; y < body.height(); ++y) {
        for (int x = 0; x < body.width(); ++x) {
            QRgb pixel = body.pixel(x, y);
            if ((pixel & RGB_MASK) == bodyKey)
                pixel = background;
            const int kx = x - 26, ky = y - 78;
            if (knob.rect().contains(kx, ky) && (knob.pixel(kx, ky) & RGB_MASK) != knobKey)
                pixel = knob.pixel(kx, ky);
            result.setPixel(x, y, pixel | 0xff000000);
        }
    }
    return result;
}
