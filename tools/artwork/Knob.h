#pragma once

#include "Canvas.h"

#include <QImage>

namespace artwork {

// Paints the round switch knob with its pointer bar turned to the given direction
// (degrees counter-clockwise from 3 o'clock) over what the canvas holds.
void paintKnob(Canvas& canvas, double centreX, double centreY, double radius, double degrees);

// A 50 × 50 knob picture: the key colour outside the disc, the highlight colour
// on the bar's pointing end.
QImage knobPicture(double degrees);

// The knob picture shown before any range is chosen: the given picture with the
// ten highlight pixels nearest the tip of its bar turned white.
QImage initialKnobPicture(const QImage& picture, double degrees);

} // namespace artwork
