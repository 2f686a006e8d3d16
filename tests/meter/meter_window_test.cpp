#include "MeterPicture.h"
#include "MeterWindowFixture.h"
#include "platform/ComboBox.h"
#include "platform/RadioButton.h"
#include "platform/Shape.h"
#include "platform/StaticText.h"
#include "resources/BodyGeometry.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

TEST_F(MeterWindow, OpensWithTheDesignedTextsAndDefaultChoices)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Quorvel"));
    EXPECT_EQ(form->windowIconText(), QStringLiteral("Brask Quorvel"));
    EXPECT_EQ(form->size(), QSize(325, 223));
    EXPECT_EQ(form->pos(), QPoint(100, 100));
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("0.0000"));
    EXPECT_EQ(form->StaticText1->text(), QStringLiteral("0.0000"));
    EXPECT_EQ(form->ComboBox1->currentText(), QStringLiteral("Volt"));
    EXPECT_EQ(form->ComboBox1->ItemIndex(), -1);
    EXPECT_EQ(form->StaticText2->text(), QStringLiteral("Volt"));
    EXPECT_EQ(form->Button2->text(), QStringLiteral("Über..."));
    EXPECT_EQ(form->Button3->text(), QStringLiteral("Schließen"));
    EXPECT_EQ(form->Button1->text(), QStringLiteral("  in die Zwischenablage"));
    EXPECT_EQ(form->GroupBox2->title(), QStringLiteral(" Hintergrund "));
    EXPECT_EQ(form->GroupBox3->title(), QStringLiteral(" Größe "));

    const std::pair<platform::RadioButton*, bool> states[] = {
        {form->RadioButton1, true}, {form->RadioButton2, false}, {form->RadioButton3, false},
        {form->RadioButton4, true}, {form->RadioButton5, false},
    };
    for (const auto& [button, checked] : states)
        EXPECT_EQ(button->isChecked(), checked) << button->text().toStdString();
    EXPECT_EQ(form->Shape1->brushColor(), QColor(255, 255, 255));
    EXPECT_EQ(QApplication::focusWidget(), form->Button2);
    EXPECT_TRUE(errors.empty());
}

TEST_F(MeterWindow, ControlsInGroupBoxesLandAtTheirWindowPositions)
{
    const std::pair<QWidget*, QPoint> places[] = {
        {form->Edit1, {152, 16}},         {form->ComboBox1, {216, 16}},
        {form->RadioButton4, {240, 86}},  {form->RadioButton5, {240, 110}},
        {form->RadioButton1, {152, 86}},  {form->RadioButton2, {152, 110}},
        {form->RadioButton3, {152, 134}},
    };
    for (const auto& [control, place] : places)
        EXPECT_EQ(control->mapTo(form.get(), QPoint(0, 0)), place)
            << control->objectName().toStdString();
}

TEST_F(MeterWindow, TabVisitsTheControlsInOrderAndOnlyCheckedRadioButtons)
{
    const std::vector<QWidget*> expected = {form->Edit1,        form->ComboBox1,    form->Button3,
                                            form->RadioButton4, form->RadioButton1, form->Button1,
                                            form->Button2};
    auto focused = [] {
        QWidget* w = QApplication::focusWidget();
        // The range selector's text field takes the focus for it.
        return w && qobject_cast<platform::ComboBox*>(w->parentWidget()) ? w->parentWidget() : w;
    };
    ASSERT_EQ(focused(), form->Button2);
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(focused(), next) << "expected " << next->objectName().toStdString();
    }

    // After choosing Pink and 50 %, those are the stops; with no size checked, none is.
    form->RadioButton5->setChecked(true);
    form->RadioButton3->setChecked(true);
    form->Button3->setFocus();
    QTest::keyClick(form->Button3, Qt::Key_Tab);
    EXPECT_EQ(focused(), form->RadioButton5);
    QTest::keyClick(form->RadioButton5, Qt::Key_Tab);
    EXPECT_EQ(focused(), form->RadioButton3);
    form->RadioButton3->setChecked(false);
    form->RadioButton5->setFocus();
    QTest::keyClick(form->RadioButton5, Qt::Key_Tab);
    EXPECT_EQ(focused(), form->Button1);
}

TEST_F(MeterWindow, BackgroundButtonsColourTheRectangle)
{
    QTest::mouseClick(form->RadioButton5, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_TRUE(form->RadioButton5->isChecked());
    EXPECT_FALSE(form->RadioButton4->isChecked());
    EXPECT_EQ(form->Shape1->brushColor(), QColor(255, 0, 255));

    QTest::mouseClick(form->RadioButton2, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_TRUE(form->RadioButton2->isChecked());
    EXPECT_FALSE(form->RadioButton1->isChecked());
    EXPECT_TRUE(form->RadioButton5->isChecked()) << "size and background are separate groups";
    EXPECT_EQ(form->Shape1->brushColor(), QColor(255, 0, 255));

    // With neither background checked the rectangle keeps its colour until one is clicked.
    form->RadioButton5->setChecked(false);
    EXPECT_EQ(form->Shape1->brushColor(), QColor(255, 0, 255));
    QTest::mouseClick(form->RadioButton4, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_EQ(form->Shape1->brushColor(), QColor(255, 255, 255));
}

TEST_F(MeterWindow, PinkRecoloursExactlyTheRectangleAndTheSeeThroughPixelsAtOnce)
{
    const QImage body(QStringLiteral(":/form1/Image1.bmp"));
    const QImage knob(QStringLiteral(":/form1/Knopf.bmp"));
    const QRect picture(16, 16, 101, 197);
    const QImage white = grabClient();
    EXPECT_EQ(white.copy(QRect(16, 70, 101, 143)),
              composedMeter(qRgb(255, 255, 255), body, knob).copy(QRect(0, 54, 101, 143)))
        << "the meter below the display, as composed";

    QTest::mouseClick(form->RadioButton5, Qt::LeftButton, {}, QPoint(6, 8));
    const QImage pink = grabClient();

    const QRect fill = form->Shape1->geometry().adjusted(1, 1, -1, -1);
    for (int y = 0; y < white.height(); ++y) {
        for (int x = 0; x < white.width(); ++x) {
            const bool inPicture = picture.contains(x, y);
            const bool seeThrough =
                inPicture ? resources::IsOutlinePixel(x - 16, y - 16) : fill.contains(x, y);
            if (seeThrough) {
                ASSERT_EQ(pink.pixel(x, y), qRgb(255, 0, 255)) << x << "," << y;
            } else if (inPicture || form->Shape1->geometry().contains(x, y)) {
                ASSERT_EQ(pink.pixel(x, y), white.pixel(x, y)) << x << "," << y;
            }
        }
    }
}

TEST_F(MeterWindow, CloseButtonClosesTheWindow)
{
    QTest::mouseClick(form->Button3, Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
}

} // namespace
