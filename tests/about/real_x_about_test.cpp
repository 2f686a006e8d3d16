// Starts the real program on an X server and drives its About dialog with real X input.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "RealProgram.h"

namespace {

void key(const QString& window, const QString& name)
{
    xdotool({"key", "--window", window, name});
    QTest::qWait(300);
}

// The program with a fresh settings folder and a stand-in for the desktop's URL opener
// that writes down each address it is given.
class RealProgramAbout : public RealProgram {
protected:
    void prepareEnvironment(QProcessEnvironment& environment) override
    {
        const QString bin = home().filePath(QStringLiteral("bin"));
        ASSERT_TRUE(QDir().mkpath(bin));
        QFile opener(bin + QStringLiteral("/xdg-open"));
        ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
        opener.write(QStringLiteral("#!/bin/sh\necho \"$1\" >> '%1'\n").arg(openedLog()).toUtf8());
        opener.close();
        opener.setPermissions(opener.permissions() | QFileDevice::ExeOwner);
        environment.insert(QStringLiteral("PATH"),
                           bin + QLatin1Char(':') + environment.value(QStringLiteral("PATH")));
    }

    QString openedLog() const { return home().filePath(QStringLiteral("opened.txt")); }

    QStringList opened() const
    {
        QFile log(openedLog());
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QString openAbout()
    {
        clickClient(144 + 37, 192 + 12); // "Über..."
        QString dialog;
        for (int attempt = 0; attempt < 100 && dialog.isEmpty(); ++attempt) {
            QTest::qWait(50);
            dialog = visibleWindow(QStringLiteral("^About\\.\\.\\.$"));
        }
        return dialog;
    }
};

TEST_F(RealProgramAbout, ShowsOverTheMeterWindowOpensBothPagesAndClosesOnEnterOnly)
{
    const QString dialog = openAbout();
    ASSERT_FALSE(dialog.isEmpty()) << "the About dialog did not appear";
    // Without a window manager, frames are the client areas: the meter window is at
    // (100, 100), 325 × 223, so the centred left edge -25 is moved to the desktop's 0.
    const QRect placed = geometryOf(dialog);
    EXPECT_EQ(placed, QRect(0, 68, 576, 288));

    key(dialog, QStringLiteral("Escape"));
    EXPECT_EQ(visibleWindow(QStringLiteral("^About\\.\\.\\.$")), dialog) << "Escape closed it";

    clickClient(224 + 44, 192 + 12); // "Schließen" is blocked meanwhile
    EXPECT_EQ(program_.state(), QProcess::Running);

    const QPoint panel = placed.topLeft() + QPoint(8, 8);
    clickAt(panel + QPoint(16 + 125, 104 + 23)); // the logo
    clickAt(panel + QPoint(146 + 30, 182 + 6));  // the link
    clickAt(panel + QPoint(48, 48 + 6));         // "Version:" opens nothing
    EXPECT_EQ(opened(),
              (QStringList{"https://quorvel.example/", "https://quorvel.example/tools/"}));
    EXPECT_EQ(visibleWindow(QStringLiteral("^About\\.\\.\\.$")), dialog);

    key(dialog, QStringLiteral("Return"));
    EXPECT_TRUE(visibleWindow(QStringLiteral("^About\\.\\.\\.$")).isEmpty())
        << "Enter left it open";

    clickClient(224 + 44, 192 + 12); // "Schließen"
    ASSERT_TRUE(program_.state() == QProcess::NotRunning || program_.waitForFinished(10000));
    EXPECT_EQ(program_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program_.exitCode(), 0);
}

} // namespace
