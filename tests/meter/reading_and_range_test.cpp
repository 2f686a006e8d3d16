#include "MeterPicture.h"
#include "MeterWindowFixture.h"
#include "meter/RangeTable.h"
#include "platform/ComboBox.h"
#include "platform/Picture.h"
#include "platform/Resources.h"
#include "platform/StaticText.h"

#include <QAbstractItemView>
#include <QLineEdit>

namespace {

TEST_F(MeterWindow, TypedReadingShowsKeyByKey)
{
    form->Edit1->clear();
    EXPECT_EQ(form->StaticText1->text(), QString());
    std::vector<QString> shown;
    for (QChar key : QStringLiteral("12.5")) {
        QTest::keyClick(form->Edit1, key.toLatin1());
        shown.push_back(form->StaticText1->text());
    }
    EXPECT_EQ(shown, (std::vector<QString>{"1", "12", "12.", "12.5"}));
}

TEST_F(MeterWindow, AnyReadingIsShownExactlyAsGiven)
{
    const QString readings[] = {
        QString(),
        QStringLiteral("-1.999"),
        QStringLiteral("OL"),
        QStringLiteral(" 12 V ~ µΩ € Größe "),
        QStringLiteral("<b>bold?</b> & &amp;"),
        QString::fromUtf8("tab\there\x01\x7f"),
        QString(100000, QLatin1Char('8')),
    };
    for (const QString& reading : readings) {
        form->Edit1->setText(reading);
        EXPECT_EQ(form->Edit1->text(), reading);
        EXPECT_EQ(form->StaticText1->text(), reading);
        form->StaticText1->repaint();
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(MeterWindow, PickingEachRangeSetsTheUnitTextAndTurnsTheKnob)
{
    const QImage body(QStringLiteral(":/form1/Image1.bmp"));
    for (int index = 0; index < int(meter::RangeTable.size()); ++index) {
        const meter::Range& range = meter::RangeTable[index];
        // Pick the entry from the opened list with the mouse, as a user does.
        form->ComboBox1->showPopup();
        QAbstractItemView* list = form->ComboBox1->view();
        const QRect item = list->visualRect(list->model()->index(index, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());

        EXPECT_EQ(form->StaticText2->text(), QString::fromUtf8(range.entryText));
        EXPECT_EQ(form->ComboBox1->ItemIndex(), index);
        const QImage knob = platform::LoadBitmapResource(QString::fromUtf8(range.pictureName));
        EXPECT_EQ(form->Knopf->picture(), knob) << range.pictureName;

        const QRect knobBox(26, 78, 50, 50);
        const QImage expected = composedMeter(qRgb(255, 255, 255), body, knob).copy(knobBox);
        const QImage shown = grabClient().copy(knobBox.translated(16, 16));
        EXPECT_EQ(shown, expected) << "knob box on screen for " << range.entryText;
        EXPECT_EQ(form->StaticText1->text(), QStringLiteral("0.0000"));
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(MeterWindow, TypedRangeTextThatBeginsNoEntryChangesOnlyTheUnitText)
{
    const QImage knob = form->Knopf->picture();
    form->ComboBox1->lineEdit()->selectAll();
    QTest::keyClicks(form->ComboBox1->lineEdit(), QStringLiteral("x"));
    EXPECT_EQ(form->StaticText2->text(), QStringLiteral("x"));
    EXPECT_EQ(form->Knopf->picture(), knob);
    EXPECT_EQ(form->StaticText1->text(), QStringLiteral("0.0000"));
}

} // namespace
