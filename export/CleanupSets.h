#pragma once

#include <span>

namespace exporting {

// A rectangle of pixels, both ends of each range included.
struct PixelArea {
    int left, right, top, bottom;
};

// The pixels around the meter body that a resampled copy repaints with the plain
// background colour: the top rows, the outer columns, the stair-steps outside the
// rounded corners and the strip beside the probe leads. Areas are listed in the
// order they are painted.
struct CleanupSet {
    int width;
    int height;
    std::span<const PixelArea> areas;
};

const CleanupSet& Cleanup75();
const CleanupSet& Cleanup50();

} // namespace exporting
