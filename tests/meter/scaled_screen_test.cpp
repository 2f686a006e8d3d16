// On a screen that Qt scales (high-DPI), the copy keeps its exact pixel size and pixels.
#include "MeterPicture.h"
#include "MeterWindowFixture.h"
#include "platform/RadioButton.h"

namespace {

TEST_F(MeterWindow, CopyKeepsExactPixelsOnAScaledScreen)
{
    ASSERT_GT(form->devicePixelRatio(), 1.0) << "run with QT_SCALE_FACTOR=2";
    const QImage body(QStringLiteral(":/form1/Image1.bmp"));
    const QImage knob(QStringLiteral(":/form1/Knopf.bmp"));
    const QImage picture = form->ExportPicture().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(picture.size(), QSize(101, 197));
    EXPECT_EQ(picture.devicePixelRatio(), 1.0);
    const QRect belowDisplay(0, 56, 101, 141);
    EXPECT_EQ(picture.copy(belowDisplay),
              composedMeter(qRgb(255, 255, 255), body, knob).copy(belowDisplay));

    form->RadioButton3->setChecked(true);
    EXPECT_EQ(form->ExportPicture().size(), QSize(50, 98));
}

} // namespace
