#pragma once

#include "export/Bitmap.h"
#include "export/Channels.h"
#include "export/Contributors.h"
#include "export/Filters.h"

namespace exporting {

// Resamples the bitmap in place to newWidth x newHeight with a separable filter: first along the
// rows, then down the columns. A radius of 0 takes the filter's default radius; a radius is
// counted in pixels of the coarser grid. On an error (std::invalid_argument for a negative
// size, an unknown filter or a negative or non-finite radius, std::bad_alloc when memory runs
// out) the bitmap keeps its picture. A new size of 0 leaves an empty bitmap of that size, an
// empty source an all-white one.
void StretchBitmap(int newWidth, int newHeight, FilterNumber filter, float radius, Bitmap& bitmap);

// Resamples source into target, whose size gives the result's, with a row of the filter table
// (its kernel and support); the radius is used as it is. Does nothing when either picture has a
// size of 0. source and target may be the same bitmap. Throws std::invalid_argument for a
// negative or non-finite radius; after std::bad_alloc the target may be partly written.
void DoStretch(const Filter& filter, float radius, const Bitmap& source, Bitmap& target);

} // namespace exporting
