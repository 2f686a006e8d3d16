#include "platform/ComboBox.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Combo : ::testing::Test {
    QWidget window;
    platform::ComboBox* combo = new platform::ComboBox(&window);
    std::vector<std::pair<QString, int>> changes; // text and ItemIndex at each change

    void SetUp() override
    {
        combo->addItems({"Off", "mV", "Volt", "mA", "Ampere", "kOhm", "Ohm", "Durchgang"});
        combo->setEditTextUnselected(QStringLiteral("Volt"));
        QObject::connect(combo, &platform::ComboBox::changed, [this] {
            changes.emplace_back(combo->currentText(), combo->ItemIndex());
        });
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        combo->setFocus();
    }
};

TEST_F(Combo, StartsWithTextButNoEntrySelected)
{
    EXPECT_EQ(combo->currentText(), QStringLiteral("Volt"));
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->count(), 8);
    EXPECT_TRUE(changes.empty());
}

TEST_F(Combo, TypedTextSelectsTheEntryItCompletesTo)
{
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("d"));
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.back().first, QStringLiteral("durchgang"));
    EXPECT_EQ(changes.back().second, 7);

    QTest::keyClick(combo->lineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(combo->currentText(), QStringLiteral("d"));
    EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(Combo, TextThatBeginsNoEntrySelectsNone)
{
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("x"));
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.back(), std::make_pair(QStringLiteral("x"), -1));
    EXPECT_EQ(combo->count(), 8);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(combo->count(), 8) << "Return must not add an entry";
}

TEST_F(Combo, PickingEntriesSelectsThemEvenWhenTheTextAlreadyMatches)
{
    for (int index : {3, 7, 0}) {
        changes.clear();
        combo->pick(index);
        ASSERT_FALSE(changes.empty());
        EXPECT_EQ(changes.back().second, index);
        EXPECT_EQ(combo->currentText(), combo->itemText(index));
    }
    combo->setEditTextUnselected(QStringLiteral("Volt"));
    changes.clear();
    combo->pick(2);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], std::make_pair(QStringLiteral("Volt"), 2));
}

} // namespace
