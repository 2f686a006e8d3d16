#include "about/Placement.h"

#include <gtest/gtest.h>

namespace {

TEST(CentredOver, HalvesTowardZeroAndKeepsInsideTheDesktopsTopLeftEdges)
{
    const QRect desktop(0, 0, 1920, 1080);
    const QSize dialog(580, 292);
    const struct {
        const char* what;
        QRect owner;
        QRect desktop;
        QPoint expected;
    } cases[] = {
        // (329 - 580) / 2 is -125, not -126; (227 - 292) / 2 is -32, not -33.
        {"smaller owner, odd negative differences", {300, 200, 329, 227}, desktop, {175, 168}},
        {"larger owner, odd positive differences", {100, 50, 1001, 601}, desktop, {310, 204}},
        {"same size", {40, 60, 580, 292}, desktop, {40, 60}},
        {"beyond the left edge only", {100, 300, 329, 227}, desktop, {0, 268}},
        {"beyond the top edge only", {300, 10, 329, 227}, desktop, {175, 0}},
        {"owner in the corner", {0, 0, 329, 227}, desktop, {0, 0}},
        {"right and bottom are not clamped", {1800, 1000, 329, 227}, desktop, {1675, 968}},
        {"desktop left of the primary screen",
         {-1200, 100, 329, 227},
         {-1280, 0, 3200, 1080},
         {-1280, 68}},
        {"desktop below a top panel", {300, 40, 329, 227}, {0, 30, 1920, 1050}, {175, 30}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(about::centredOver(c.owner, dialog, c.desktop), c.expected) << c.what;
}

} // namespace
