#include "PixelFont.h"

#include <array>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace artwork {
namespace {

constexpr int GlyphHeight = 5;

struct Glyph {
    char32_t character;
    std::array<std::string_view, GlyphHeight> rows;
};

constexpr std::array<Glyph, 19> Glyphs{{
    {U'0', {"###", "#.#", "#.#", "#.#", "###"}},
    {U'1', {".#.", "##.", ".#.", ".#.", "###"}},
    {U'A', {".#.", "#.#", "###", "#.#", "#.#"}},
    {U'C', {".##", "#..", "#..", "#..", ".##"}},
    {U'E', {"###", "#..", "##.", "#..", "###"}},
    {U'F', {"###", "#..", "##.", "#..", "#.."}},
    {U'L', {"#..", "#..", "#..", "#..", "###"}},
    {U'M', {"#...#", "##.##", "#.#.#", "#...#", "#...#"}},
    {U'O', {".#.", "#.#", "#.#", "#.#", ".#."}},
    {U'Q', {".#.", "#.#", "#.#", "#.#", ".##"}},
    {U'R', {"##.", "#.#", "##.", "#.#", "#.#"}},
    {U'U', {"#.#", "#.#", "#.#", "#.#", "###"}},
    {U'V', {"#.#", "#.#", "#.#", "#.#", ".#."}},
    {U'X', {"#.#", "#.#", ".#.", "#.#", "#.#"}},
    {U'k', {"#..", "#..", "#.#", "##.", "#.#"}},
    {U'm', {".....", ".....", "####.", "#.#.#", "#.#.#"}},
    {U'\u03a9', {".###.", "#...#", "#...#", ".#.#.", "##.##"}},
    {AcDcSign, {".#...", "#.#.#", "...#.", ".....", "#####"}},
    {LoudspeakerSign, {"..#.#..", ".##..#.", "###..#.", ".##..#.", "..#.#.."}},
}};

const Glyph& glyphFor(char32_t c)
{
    for (const Glyph& glyph : Glyphs) {
        if (glyph.character == c)
            return glyph;
    }
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    throw std::invalid_argument(std::string("no pixel glyph for the character ") + code);
}

} // namespace

int textWidth(std::u32string_view text)
{
    int width = 0;
    for (char32_t c : text)
        width += int(glyphFor(c).rows[0].size()) + 1;
    return width > 0 ? width - 1 : 0;
}

void drawText(Canvas& canvas, int x, int y, std::u32string_view text, Rgb colour)
{
    for (char32_t c : text) {
        const Glyph& glyph = glyphFor(c);
        for (int row = 0; row < GlyphHeight; ++row) {
            for (size_t column = 0; column < glyph.rows[row].size(); ++column) {
                if (glyph.rows[row][column] == '#')
                    canvas.set(x + int(column), y + row, colour);
            }
        }
        x += int(glyph.rows[0].size()) + 1;
    }
}

} // namespace artwork
