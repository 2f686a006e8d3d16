#pragma once

#include "Canvas.h"

#include <string_view>

namespace artwork {

// Hand-set glyphs, five pixels high, for the printing on the meter's face: at
// this size drawn type would blur, single pixels read cleanly at 1:1.
inline constexpr char32_t AcDcSign = U'\u2393';
inline constexpr char32_t LoudspeakerSign = U'\U0001F50A';

// Width in pixels of the text, one pixel between glyphs.
int textWidth(std::u32string_view text);

// Draws the text with its top-left corner at (x, y). Throws on a character without a glyph.
void drawText(Canvas& canvas, int x, int y, std::u32string_view text, Rgb colour);

} // namespace artwork
