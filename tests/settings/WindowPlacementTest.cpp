#include "settings/WindowPlacement.h"

#include <gtest/gtest.h>

using settings::reachablePosition;

namespace {

const QPoint Fallback(100, 100);
const QRect Primary(0, 0, 1920, 1040);      // a task bar below
const QRect LeftHand(-1280, 0, 1280, 1024); // a monitor left of the primary one
const QRect Above(0, -1080, 1920, 1080);    // a monitor above the primary one

TEST(WindowPlacement, KeepsPositionsWhoseCaptionCanBeReached)
{
    struct Case {
        const char* what;
        QPoint position;
        QList<QRect> screens;
        QPoint expected;
    };
    const Case cases[] = {
        {"inside", {300, 40}, {Primary}, {300, 40}},
        {"at the origin", {0, 0}, {Primary}, {0, 0}},
        {"on a left-hand screen", {-1200, 40}, {Primary, LeftHand}, {-1200, 40}},
        {"left-hand screen unplugged", {-1200, 40}, {Primary}, Fallback},
        {"on a screen above", {300, -900}, {Primary, Above}, {300, -900}},
        {"far right of every screen", {5000, 40}, {Primary, LeftHand}, Fallback},
        {"below every screen", {300, 3000}, {Primary}, Fallback},
        {"40 px of the caption at the right edge", {1880, 40}, {Primary}, {1880, 40}},
        {"39 px of the caption at the right edge", {1881, 40}, {Primary}, Fallback},
        {"caption partly right of a left-hand screen", {-285, 40}, {LeftHand}, {-285, 40}},
        {"mostly hidden to the left", {-300, 40}, {Primary}, Fallback},
        {"10 px of the caption above the top", {300, -10}, {Primary}, {300, -10}},
        {"11 px of the caption above the top", {300, -11}, {Primary}, Fallback},
        {"caption behind the task bar", {300, 1035}, {Primary}, Fallback},
        {"caption on the seam of two screens", {300, -5}, {Primary, Above}, {300, -5}},
        {"no screens known", {5000, 5000}, {}, {5000, 5000}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(reachablePosition(c.position, 325, c.screens, Fallback), c.expected) << c.what;
}

TEST(WindowPlacement, NarrowWindowsNeedOnlyTheirWidth)
{
    EXPECT_EQ(reachablePosition({1900, 40}, 20, {Primary}, Fallback), QPoint(1900, 40));
    EXPECT_EQ(reachablePosition({1901, 40}, 20, {Primary}, Fallback), Fallback);
}

TEST(WindowPlacement, KnowsWhichPlatformsHideWindowPositions)
{
    for (const char* name : {"xcb", "offscreen", "windows", "cocoa", "eglfs", "minimal"})
        EXPECT_TRUE(settings::platformKnowsWindowPositions(QString::fromLatin1(name))) << name;
    for (const char* name : {"wayland", "wayland-egl", "wayland-xcomposite-glx"})
        EXPECT_FALSE(settings::platformKnowsWindowPositions(QString::fromLatin1(name))) << name;
}

TEST(WindowPlacement, DescribesTheCurrentDesktop)
{
    // The offscreen platform the tests run on has one screen of 800 x 800.
    const auto desktop = settings::Desktop::current();
    EXPECT_TRUE(desktop.windowPositionsKnown);
    EXPECT_EQ(desktop.availableGeometries, QList<QRect>{QRect(0, 0, 800, 800)});
}

} // namespace
