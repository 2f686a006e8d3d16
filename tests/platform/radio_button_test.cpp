#include "platform/RadioButton.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

using platform::RadioButton;

// Two groups: buttons 0-2 in one group box, 3-4 in another.
struct Groups {
    QWidget window;
    QGroupBox* first = new QGroupBox(&window);
    QGroupBox* second = new QGroupBox(&window);
    std::array<RadioButton*, 5> buttons{};
    std::array<int, 5> runs{};
    std::vector<std::string> statesSeenByHandler;

    Groups()
    {
        for (int i = 0; i < 5; ++i) {
            buttons[i] = new RadioButton(QString::number(i), i < 3 ? first : second);
            buttons[i]->setGeometry(8, 8 + 20 * (i % 3), 60, 18);
            QObject::connect(buttons[i], &RadioButton::turnedChecked, [this, i] {
                ++runs[i];
                statesSeenByHandler.push_back(states());
            });
        }
        first->setGeometry(0, 0, 80, 80);
        second->setGeometry(90, 0, 80, 80);
        window.resize(180, 90);
        window.show();
    }

    std::string states() const
    {
        std::string s;
        for (auto* b : buttons)
            s += b->isChecked() ? '1' : '0';
        return s;
    }
    void setStates(const std::string& s)
    {
        for (int i = 0; i < 5; ++i)
            buttons[i]->setChecked(s[i] == '1');
        runs = {};
        statesSeenByHandler.clear();
    }
};

enum class Action { UserClick, CheckFromCode, UncheckFromCode };

struct RuleCase {
    const char* name;
    const char* before;
    Action action;
    int button;
    const char* after;
    int handlerRuns; // of the acted-on button; no other handler may run
};

class RadioRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(RadioRules, StatesAndHandlerRuns)
{
    const RuleCase& c = GetParam();
    Groups g;
    g.setStates(c.before);
    RadioButton* button = g.buttons[c.button];
    switch (c.action) {
    case Action::UserClick:
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        break;
    case Action::CheckFromCode:
        button->setChecked(true);
        break;
    case Action::UncheckFromCode:
        button->setChecked(false);
        break;
    }
    EXPECT_EQ(g.states(), c.after);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(g.runs[i], i == c.button ? c.handlerRuns : 0) << "button " << i;
    // The handler runs after every state has changed.
    for (const auto& seen : g.statesSeenByHandler)
        EXPECT_EQ(seen, c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, RadioRules,
    ::testing::Values(RuleCase{"ClickUnchecked", "10010", Action::UserClick, 1, "01010", 1},
                      RuleCase{"CheckUnchecked", "10010", Action::CheckFromCode, 2, "00110", 1},
                      RuleCase{"CheckInEmptyGroup", "00000", Action::CheckFromCode, 4, "00001", 1},
                      RuleCase{"ClickChecked", "10010", Action::UserClick, 0, "10010", 0},
                      RuleCase{"CheckChecked", "10010", Action::CheckFromCode, 3, "10010", 0},
                      RuleCase{"UncheckChecked", "10010", Action::UncheckFromCode, 0, "00010", 0},
                      RuleCase{"UncheckUnchecked", "10010", Action::UncheckFromCode, 1, "10010", 0},
                      RuleCase{"ClickInEmptiedGroup", "00010", Action::UserClick, 2, "00110", 1},
                      RuleCase{"OtherGroupUntouched", "01001", Action::CheckFromCode, 3, "01010",
                               1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RadioTabStops, OnlyTheCheckedButtonOfAGroupIsATabStop)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* before = new QLineEdit(&window);
    auto* group = new QGroupBox(&window);
    std::array<RadioButton*, 3> buttons{};
    for (int i = 0; i < 3; ++i) {
        buttons[i] = new RadioButton(QString::number(i), group);
        buttons[i]->setGeometry(8, 8 + 20 * i, 60, 18);
    }
    auto* after = new QLineEdit(&window);
    layout->addWidget(before);
    layout->addWidget(group);
    layout->addWidget(after);
    group->setMinimumHeight(70);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    auto tabFrom = [](QWidget* start, bool backwards) {
        start->setFocus();
        QTest::keyClick(start, backwards ? Qt::Key_Backtab : Qt::Key_Tab);
        return QApplication::focusWidget();
    };

    EXPECT_EQ(tabFrom(before, false), after) << "a group with none checked is passed over";
    EXPECT_EQ(tabFrom(after, true), before);

    buttons[1]->setChecked(true);
    EXPECT_EQ(tabFrom(before, false), buttons[1]);
    EXPECT_EQ(tabFrom(after, true), buttons[1]);

    // Focusing another button by a click does not make it the stop unless it gets checked.
    buttons[2]->setFocus(Qt::MouseFocusReason);
    buttons[0]->setChecked(true);
    EXPECT_EQ(tabFrom(before, false), buttons[0]);

    buttons[0]->setChecked(false);
    EXPECT_EQ(tabFrom(before, false), after);
}

} // namespace
