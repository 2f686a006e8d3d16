#pragma once

#include <QObject>
#include <QWidget>

// Reports the moment a window has first painted: writes CLOCK_MONOTONIC in
// nanoseconds to standard output and ends the event loop.
void reportFirstPaint(QWidget& window);
