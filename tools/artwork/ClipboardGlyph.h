#pragma once

#include <QImage>

namespace artwork {

// The copy button's glyph, 15 × 16: a clipboard holding a written sheet, white outside.
QImage clipboardGlyph();

} // namespace artwork
