#pragma once

namespace exporting {

// sin(pi t) / (pi t), with sinc(0) = 1, in the precision the filters are defined with:
// u = pi * t in extended precision rounded to single precision, then sin(u) / u in extended
// precision rounded to single precision.
float Sinc(float t);

// The same value computed directly with long double; slow (long double sin takes about 150 ns),
// but the definition.
float ExtendedSinc(float t);

} // namespace exporting
