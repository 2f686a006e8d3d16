#include "MeterWindowFixture.h"
#include "platform/RadioButton.h"
#include "platform/Shape.h"
#include "platform/StaticText.h"
#include "settings/MyFunctions.h"

#include <QFile>
#include <QFontInfo>

namespace {

using settings::ReadBoolSetting;
using settings::ReadIntegerSetting;

void saveChoices(int top, int left, std::array<bool, 5> checked)
{
    settings::WriteIntegerSetting("Quorvel", "Top", top);
    settings::WriteIntegerSetting("Quorvel", "Left", left);
    const char* names[] = {"100p", "75p", "50p", "WhiteBG", "LimeBG"};
    for (int i = 0; i < 5; ++i)
        settings::WriteBoolSetting("Quorvel", names[i], checked[i]);
}

std::array<bool, 5> checkedStates(const meter::TForm1& form)
{
    return {form.RadioButton1->isChecked(), form.RadioButton2->isChecked(),
            form.RadioButton3->isChecked(), form.RadioButton4->isChecked(),
            form.RadioButton5->isChecked()};
}

using FormCreate = MeterProgram;

TEST_F(FormCreate, InstallsTheTypefaceThenAppliesTheSavedChoices)
{
    saveChoices(40, 300, {false, false, true, false, true});
    start();
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(form->Datei, temporaryFolder() + QStringLiteral("/DS-DIGI.TTF"));
    EXPECT_TRUE(QFile::exists(form->Datei));
    EXPECT_EQ(QFontInfo(form->StaticText1->font()).family(), QStringLiteral("DS-Digital"));

    EXPECT_EQ(form->pos(), QPoint(300, 40));
    EXPECT_EQ(checkedStates(*form), (std::array<bool, 5>{false, false, true, false, true}));
    EXPECT_EQ(form->Shape1->brushColor(), QColor(255, 0, 255));
}

TEST_F(FormCreate, TypefaceThatCannotBeWrittenIsReportedBeforeTheWindowAndSkipsTheSettings)
{
    saveChoices(40, 300, {false, false, true, false, true});
    const QString missing = temporaryFolder() + QStringLiteral("/missing");
    qputenv("TEMP", missing.toUtf8());
    start();

    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], QStringLiteral("Cannot create file \"%1/DS-DIGI.TTF\". "
                                        "No such file or directory.")
                             .arg(missing));
    EXPECT_FALSE(visibleAtError[0]) << "the error shows before the window";
    EXPECT_EQ(checkedStates(*form), (std::array<bool, 5>{false, false, false, true, false}))
        << "the designed states, not the saved ones";
    EXPECT_NE(form->pos(), QPoint(300, 40));
    EXPECT_EQ(form->Shape1->brushColor(), QColor(255, 255, 255));
    EXPECT_TRUE(form->isVisible()) << "start-up goes on";
}

TEST_F(FormCreate, ClosingSavesAllSevenValuesEvenWhenNothingChanged)
{
    start();
    ASSERT_EQ(ReadIntegerSetting("Quorvel", "Top", -1), -1) << "nothing saved before the close";
    form->close();
    EXPECT_EQ(ReadIntegerSetting("Quorvel", "Top", -1), form->pos().y());
    EXPECT_EQ(ReadIntegerSetting("Quorvel", "Left", -1), form->pos().x());
    const std::pair<const char*, bool> saved[] = {
        {"100p", true}, {"75p", false}, {"50p", false}, {"WhiteBG", true}, {"LimeBG", false}};
    for (const auto& [name, value] : saved) {
        EXPECT_EQ(ReadBoolSetting("Quorvel", name, !value), value) << name;
    }
}

TEST_F(FormCreate, ChoicesMadeInTheWindowComeBackAtTheNextStart)
{
    start();
    form->RadioButton2->setChecked(true);
    form->RadioButton5->setChecked(true);
    form->move(220, 150);
    form->close();
    form.reset();

    start();
    EXPECT_EQ(form->pos(), QPoint(220, 150));
    EXPECT_EQ(checkedStates(*form), (std::array<bool, 5>{false, true, false, false, true}));
    EXPECT_EQ(form->Shape1->brushColor(), QColor(255, 0, 255));
}

} // namespace
