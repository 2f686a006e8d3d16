#include "MeterWindowFixture.h"
#include "platform/ComboBox.h"
#include "platform/Picture.h"
#include "platform/StaticText.h"

#include <QAbstractItemView>

namespace {

TEST_F(MeterWindow, MissingKnobPictureShowsTheErrorAndKeepsTheKnob)
{
    const QImage knob = form->Knopf->picture();
    ASSERT_FALSE(knob.isNull());

    form->ComboBox1->pick(7);

    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], QStringLiteral("Resource pips not found."));
    EXPECT_EQ(form->StaticText2->text(), QStringLiteral("Durchgang"));
    EXPECT_EQ(form->Knopf->picture(), knob);

    // The program goes on: another range still turns the knob.
    form->ComboBox1->setCurrentIndex(0);
    EXPECT_EQ(form->StaticText2->text(), QStringLiteral("Off"));
    EXPECT_NE(form->Knopf->picture(), knob);
    EXPECT_EQ(errors.size(), 1u);
}

} // namespace
