#pragma once

#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Runs xdotool and returns what it printed.
QString xdotool(const QStringList& arguments);

// The first visible window whose name matches the pattern, or empty.
QString visibleWindow(const QString& namePattern);

QRect geometryOf(const QString& window);

// A real mouse click at a point of the screen.
void clickAt(QPoint screenPoint);

// The real program started on the X server with a fresh settings and temporary
// folder, and its meter window found.
class RealProgram : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Adds to the program's environment before it starts.
    virtual void prepareEnvironment(QProcessEnvironment&) {}

    void clickClient(int x, int y) { clickAt(origin_ + QPoint(x, y)); }
    const QTemporaryDir& home() const { return home_; }

    QProcess program_;
    QString window_;
    QPoint origin_;

private:
    QTemporaryDir home_;
};
