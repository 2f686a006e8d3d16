#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace settings {

namespace {

// The caption bar's height is not known before the window is first shown; title bars
// are at least this high.
constexpr int CaptionHeight = 20;
constexpr int GripWidth = 40;
constexpr int GripHeight = 10;

} // namespace

Desktop Desktop::current()
{
    Desktop desktop;
    desktop.windowPositionsKnown = platformKnowsWindowPositions(QGuiApplication::platformName());
    for (const QScreen* screen : QGuiApplication::screens())
        desktop.availableGeometries.append(screen->availableGeometry());
    return desktop;
}

bool platformKnowsWindowPositions(QStringView platformName)
{
    return !platformName.startsWith(u"wayland");
}

QPoint reachablePosition(QPoint position, int frameWidth, const QList<QRect>& availableGeometries,
                         QPoint fallback)
{
    if (availableGeometries.isEmpty())
        return position;
    const QRect caption(position, QSize(std::max(frameWidth, 1), CaptionHeight));
    const int gripWidth = std::min(GripWidth, caption.width());
    const bool reachable = std::ranges::any_of(availableGeometries, [&](const QRect& area) {
        const QRect grip = caption.intersected(area);
        return grip.width() >= gripWidth && grip.height() >= GripHeight;
    });
    return reachable ? position : fallback;
}

} // namespace settings
