#include "CleanupSets.h"

#include <array>

namespace exporting {
namespace {

// clang-format off
constexpr std::array<PixelArea, 26> Areas75{{
    {0, 75, 0, 2},                                                          // top rows
    {0, 0, 3, 147},                                                         // left edge
    {75, 75, 3, 147},                                                       // right edge
    {1, 4, 3, 3}, {1, 3, 4, 4}, {1, 2, 5, 5}, {1, 1, 6, 6}, {1, 1, 7, 7},   // top-left corner
    {71, 74, 3, 3}, {72, 74, 4, 4}, {73, 74, 5, 5}, {74, 74, 6, 6},         // top-right corner
    {1, 1, 126, 126}, {1, 1, 127, 127}, {1, 2, 128, 128},                   // bottom-left corner
    {1, 3, 129, 129}, {1, 4, 130, 130}, {1, 5, 131, 131},
    {74, 74, 127, 127}, {74, 74, 128, 128}, {73, 74, 129, 129},             // bottom-right corner
    {72, 74, 130, 130}, {71, 74, 131, 131},
    {1, 37, 132, 147}, {40, 56, 132, 147}, {59, 74, 132, 147},              // beside the leads
}};

constexpr std::array<PixelArea, 14> Areas50{{
    {0, 49, 0, 1},                                                          // top rows
    {0, 0, 2, 97},                                                          // left edge
    {49, 49, 2, 97},                                                        // right edge
    {1, 2, 2, 2}, {1, 1, 3, 3},                                             // top-left corner
    {47, 48, 2, 2}, {48, 48, 3, 3},                                         // top-right corner
    {1, 1, 85, 85}, {1, 2, 86, 86},                                         // bottom-left corner
    {48, 48, 85, 85}, {47, 48, 86, 86},                                     // bottom-right corner
    {1, 24, 87, 97}, {26, 36, 87, 97}, {38, 48, 87, 97},                    // beside the leads
}};
// clang-format on

constexpr CleanupSet Set75{76, 148, Areas75};
constexpr CleanupSet Set50{50, 98, Areas50};

} // namespace

const CleanupSet& Cleanup75()
{
    return Set75;
}
const CleanupSet& Cleanup50()
{
    return Set50;
}

} // namespace exporting
