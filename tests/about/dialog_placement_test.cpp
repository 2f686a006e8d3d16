#include "AboutDialogFixture.h"

#include <QScreen>

namespace {

// The offscreen platform gives every window a frame of 2 pixels on each side, so the
// meter window is 329 × 227 outside and the dialog 580 × 292.
TEST_F(AboutDialog, FirstShowingCentresOverTheMeterWindowInsideTheDesktop)
{
    const QRect desktop = meter.screen()->availableVirtualGeometry();
    ASSERT_EQ(desktop.topLeft(), QPoint(0, 0));
    const struct {
        QPoint meter;
        QPoint dialog;
    } cases[] = {
        {{300, 200}, {175, 168}}, // (329 - 580) / 2 = -125 and (227 - 292) / 2 = -32
        {{0, 0}, {0, 0}},
        {{100, 300}, {0, 268}},
        {{300, 10}, {175, 0}},
    };
    for (const auto& c : cases) {
        meter.move(c.meter);
        ASSERT_EQ(meter.frameGeometry().topLeft(), c.meter);
        ASSERT_EQ(meter.frameGeometry().size(), QSize(329, 227));
        createDialog();
        showDialog();
        EXPECT_EQ(dialog->frameGeometry(), QRect(c.dialog, QSize(580, 292))) << c.meter.x();
    }
}

TEST_F(AboutDialog, LaterShowingsFindItWhereItWasLeft)
{
    showDialog();
    ASSERT_EQ(dialog->pos(), QPoint(175, 168));
    dialog->accept();
    meter.move(420, 330);
    showDialog();
    EXPECT_EQ(dialog->pos(), QPoint(175, 168)) << "not centred again";

    dialog->move(40, 50); // as the user drags it
    dialog->close();
    showDialog();
    EXPECT_EQ(dialog->pos(), QPoint(40, 50));
}

} // namespace
