#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QStringView>

namespace settings {

// What restoring and saving a window's position needs to know of the desktop.
struct Desktop {
    // False where windows can neither learn nor set their global position.
    bool windowPositionsKnown = true;
    // The available area of every screen, in global coordinates.
    QList<QRect> availableGeometries;

    static Desktop current();
};

// Wayland gives windows no global position: they all report (0, 0), and the compositor
// places them.
bool platformKnowsWindowPositions(QStringView platformName);

// `position` (the outer top-left corner of a window `frameWidth` wide) when the window's
// caption bar can be reached, that is when a grip of it of at least 40 x 10 pixels (less
// for narrower windows) lies in one of the available areas; `fallback` otherwise. With no
// screens known, `position` is kept.
QPoint reachablePosition(QPoint position, int frameWidth, const QList<QRect>& availableGeometries,
                         QPoint fallback);

} // namespace settings
