#pragma once

#include <array>

// Fixed geometry of the meter body picture (101 × 197) that other code relies on:
// the see-through outline, the display glass, the switch knob and its marks.
// Coordinates are pixel indices from the top-left corner; ranges include both ends.
namespace resources {

inline constexpr int BodyWidth = 101;
inline constexpr int BodyHeight = 197;

struct Run {
    int first;
    int last;
};

// Key-colour (see-through) pixels of the body, row by row.
struct OutlineRows {
    int firstRow;
    int lastRow;
    std::array<Run, 3> runs;
    int runCount;
};

inline constexpr std::array<OutlineRows, 18> BodyOutline{{
    {0, 0, {{{0, 100}}}, 1},
    {1, 1, {{{0, 7}, {94, 100}}}, 2},
    {2, 2, {{{0, 5}, {96, 100}}}, 2},
    {3, 3, {{{0, 4}, {97, 100}}}, 2},
    {4, 4, {{{0, 3}, {98, 100}}}, 2},
    {5, 5, {{{0, 2}, {99, 100}}}, 2},
    {6, 6, {{{0, 1}, {99, 100}}}, 2},
    {7, 7, {{{0, 1}, {100, 100}}}, 2},
    {8, 165, {{{0, 0}, {100, 100}}}, 2},
    {166, 167, {{{0, 1}, {100, 100}}}, 2},
    {168, 168, {{{0, 1}, {99, 100}}}, 2},
    {169, 169, {{{0, 2}, {99, 100}}}, 2},
    {170, 170, {{{0, 3}, {98, 100}}}, 2},
    {171, 171, {{{0, 4}, {97, 100}}}, 2},
    {172, 172, {{{0, 5}, {96, 100}}}, 2},
    {173, 173, {{{0, 7}, {94, 100}}}, 2},
    {174, 195, {{{0, 49}, {53, 74}, {78, 100}}}, 3},
    {196, 196, {{{0, 100}}}, 1},
}};

constexpr bool IsOutlinePixel(int x, int y)
{
    for (const OutlineRows& rows : BodyOutline) {
        if (y < rows.firstRow || y > rows.lastRow)
            continue;
        for (int i = 0; i < rows.runCount; ++i) {
            if (x >= rows.runs[i].first && x <= rows.runs[i].last)
                return true;
        }
        return false;
    }
    return false;
}

struct PixelRect {
    int left;
    int top;
    int right;
    int bottom;
};

// The flat display glass under the reading, and its lighter lower edge.
inline constexpr PixelRect DisplayGlass{15, 16, 85, 53};
inline constexpr PixelRect DisplayGlassEdge{15, 54, 85, 55};
inline constexpr std::array<int, 3> DisplayGlassColour{218, 225, 196};

// The knob picture's 50 × 50 box on the body and the switch's centre.
inline constexpr PixelRect KnobBox{26, 78, 75, 127};
inline constexpr double KnobCentreX = 50.5;
inline constexpr double KnobCentreY = 102.5;

struct Point {
    double x;
    double y;
};

// Centres of the eight switch marks, in the order of the ranges.
inline constexpr std::array<Point, 8> SwitchMarks{{
    {23, 101.5},
    {27, 88},
    {36, 79},
    {50, 75},
    {64.5, 79},
    {73, 88.5},
    {77, 101},
    {73, 115},
}};

// Colours of the knob pictures: the see-through key and the bar's highlight.
inline constexpr std::array<int, 3> KnobKeyColour{255, 0, 128};
inline constexpr std::array<int, 3> KnobHighlightColour{240, 240, 240};
inline constexpr int KnobSize = 50;
inline constexpr double KnobRadius = 25.0;

} // namespace resources
