// Starts the real program on an X server and drives it with real X input events.
#include "RealProgram.h"
#include "meter/TForm1.h"
#include "platform/ErrorBox.h"
#include "platform/KeyColour.h"
#include "platform/RadioButton.h"
#include "platform/Resources.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class MeterOnX : public RealProgram {
protected:
    // The meter window's client area as the screen shows it.
    QImage screen() const
    {
        return QGuiApplication::primaryScreen()
            ->grabWindow(0, origin_.x(), origin_.y(), 325, 223)
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
};

TEST_F(MeterOnX, ClickingPinkAndARangeChangesTheScreen)
{
    const QRgb white = qRgb(255, 255, 255), pink = qRgb(255, 0, 255);
    const QPoint belowBody(60, 214), bodyCorner(16, 16); // rectangle fill; body outline pixel
    QImage before = screen();
    ASSERT_EQ(before.pixel(belowBody), white);
    ASSERT_EQ(before.pixel(bodyCorner), white);

    clickClient(248, 118); // "Pink"
    QImage after = screen();
    EXPECT_EQ(after.pixel(belowBody), pink);
    EXPECT_EQ(after.pixel(bodyCorner), pink);

    clickClient(216 + 80, 16 + 12); // the range selector's arrow
    QString popup;
    for (const QString& id :
         xdotool({"search", "--onlyvisible", "--pid", QString::number(program_.processId())})
             .split('\n')) {
        if (!id.isEmpty() && id != window_)
            popup = id;
    }
    ASSERT_FALSE(popup.isEmpty()) << "the list did not open";
    const QRect list = geometryOf(popup);
    const int itemHeight = (list.height() - 2) / 8;
    clickAt(
        QPoint(list.center().x(), list.top() + 1 + itemHeight * 7 + itemHeight / 2)); // "Durchgang"

    after = screen();
    const QRect unitText(40, 60, 57, 10);
    EXPECT_NE(after.copy(unitText), before.copy(unitText)) << "the unit text did not change";
    const QImage pips = platform::LoadBitmapResource(QStringLiteral("pips"));
    const QRgb key = platform::keyColour(pips);
    int compared = 0;
    for (int y = 0; y < pips.height(); ++y) {
        for (int x = 0; x < pips.width(); ++x) {
            if ((pips.pixel(x, y) & RGB_MASK) == key)
                continue;
            ++compared;
            ASSERT_EQ(after.pixel(42 + x, 94 + y), pips.pixel(x, y))
                << "knob pixel " << x << "," << y;
        }
    }
    EXPECT_GT(compared, 1500);

    clickClient(224 + 44, 192 + 12); // "Schließen"
    ASSERT_TRUE(program_.state() == QProcess::NotRunning || program_.waitForFinished(10000));
    EXPECT_EQ(program_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program_.exitCode(), 0);
}

// The picture another program pastes from the clipboard, as PNG.
QImage pastedPicture()
{
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {"-selection", "clipboard", "-t", "image/png", "-o"});
    xclip.waitForFinished(10000);
    return QImage::fromData(xclip.readAllStandardOutput(), "PNG")
        .convertToFormat(QImage::Format_RGB32);
}

TEST_F(MeterOnX, CopyButtonPutsTheMeterOnTheClipboardForOtherPrograms)
{
    clickClient(152 + 8, 110 + 8);   // "75%"
    clickClient(240 + 8, 110 + 8);   // "Pink"
    clickClient(144 + 84, 163 + 12); // "  in die Zwischenablage"

    // The same window, built in this process with the same choices, computes the expected copy.
    meter::TForm1 twin;
    platform::guarded([&] { twin.FormCreate(); })();
    twin.RadioButton2->setChecked(true);
    twin.RadioButton5->setChecked(true);
    const QImage expected = twin.ExportPicture().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(expected.size(), QSize(76, 148));
    EXPECT_EQ(pastedPicture(), expected);
    QProcess targets;
    targets.start(QStringLiteral("xclip"), {"-selection", "clipboard", "-t", "TARGETS", "-o"});
    targets.waitForFinished(10000);
    const QByteArray offered = targets.readAllStandardOutput();
    EXPECT_TRUE(offered.contains("image/png") && offered.contains("image/bmp"))
        << offered.constData();

    // A window lying over the meter does not get into the copy.
    QWidget cover;
    cover.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    cover.setGeometry(QRect(origin_ + QPoint(10, 30), QSize(100, 120)));
    cover.setStyleSheet(QStringLiteral("background: green"));
    cover.show();
    QTest::qWait(300);
    ASSERT_EQ(screen().pixel(60, 100), qRgb(0, 128, 0)) << "the cover lies over the meter";
    clickClient(144 + 84, 163 + 12);
    EXPECT_EQ(pastedPicture(), expected);
    cover.hide();

    // Nor does the part of the window that lies off the screen go missing.
    xdotool({"windowmove", window_, "-60", "-40"});
    QTest::qWait(300);
    origin_ = geometryOf(window_).topLeft();
    ASSERT_LT(origin_.x(), 0);
    clickClient(144 + 84, 163 + 12);
    EXPECT_EQ(pastedPicture(), expected);
}

} // namespace
