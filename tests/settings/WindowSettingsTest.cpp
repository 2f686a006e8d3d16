#include "settings/WindowSettings.h"

#include "TempConfigHome.h"

#include <QGroupBox>
#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cstdio>
#include <memory>
#include <vector>

using settings::Desktop;
namespace fs = std::filesystem;

namespace {

const std::string Head =
    "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Quorvel]\n";

const Desktop SingleScreen{true, {QRect(0, 0, 800, 800)}};
const Desktop LeftHandScreen{true, {QRect(0, 0, 800, 800), QRect(-1280, 0, 1280, 1024)}};
const Desktop Wayland{false, {QRect(0, 0, 800, 800)}};

// The persisting parts of the meter window as its definition creates them: "Weiß" checked
// before any handler is connected. Records which buttons turned checked, in order.
class FakeMeterWindow {
public:
    FakeMeterWindow()
    {
        window.resize(325, 223);
        window.move(7, 9);
        auto* sizes = new QGroupBox(" Größe ", &window);
        auto* backgrounds = new QGroupBox(" Hintergrund ", &window);
        const char* captions[] = {"100%", "75%", "50%", "Weiß", "Pink"};
        for (int i = 0; i < 5; ++i)
            buttons[i] = new platform::RadioButton(captions[i], i < 3 ? sizes : backgrounds);
        buttons[3]->setChecked(true);
        for (int i = 0; i < 5; ++i)
            QObject::connect(buttons[i], &platform::RadioButton::turnedChecked,
                             [this, i] { turned.push_back(i + 1); });
    }

    settings::PersistentWindow parts() { return {&window, buttons}; }
    std::array<bool, 5> checked() const
    {
        std::array<bool, 5> states{};
        for (int i = 0; i < 5; ++i)
            states[i] = buttons[i]->isChecked();
        return states;
    }

    QWidget window;
    std::array<platform::RadioButton*, 5> buttons{};
    std::vector<int> turned;
};

struct LoadCase {
    const char* what;
    std::string stored; // the lines of the key, empty for no file at all
    Desktop desktop;
    QPoint position;
    std::array<bool, 5> checked;
    std::vector<int> turned;
};

class WindowSettingsLoad : public testing::TestWithParam<LoadCase> {};

TEST_P(WindowSettingsLoad, AppliesTheStoredValuesInOrder)
{
    const LoadCase& c = GetParam();
    TempConfigHome home;
    if (!c.stored.empty())
        home.setContents(Head + c.stored);
    FakeMeterWindow meter;

    settings::LoadWindowSettings(meter.parts(), c.desktop);

    EXPECT_EQ(meter.window.pos(), c.position);
    EXPECT_EQ(meter.checked(), c.checked);
    EXPECT_EQ(meter.turned, c.turned);
    EXPECT_EQ(fs::exists(home.file()), !c.stored.empty()) << "a load must not create the file";
}

std::string values(int top, int left, bool p100, bool p75, bool p50, bool white, bool pink)
{
    char text[256];
    std::snprintf(text, sizeof text,
                  "\"Top\"=dword:%08x\n\"Left\"=dword:%08x\n\"100p\"=dword:%08x\n"
                  "\"75p\"=dword:%08x\n\"50p\"=dword:%08x\n\"WhiteBG\"=dword:%08x\n"
                  "\"LimeBG\"=dword:%08x\n",
                  static_cast<unsigned>(top), static_cast<unsigned>(left), p100, p75, p50, white,
                  pink);
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowSettingsLoad,
    testing::Values(LoadCase{"first start", "", SingleScreen, {100, 100}, {1, 0, 0, 1, 0}, {1}},
                    LoadCase{"50 % and pink",
                             values(40, 300, 0, 0, 1, 0, 1),
                             SingleScreen,
                             {300, 40},
                             {0, 0, 1, 0, 1},
                             {3, 5}},
                    LoadCase{"75 % and white",
                             values(40, 300, 0, 1, 0, 1, 0),
                             SingleScreen,
                             {300, 40},
                             {0, 1, 0, 1, 0},
                             {2}},
                    LoadCase{"no size",
                             values(40, 300, 0, 0, 0, 1, 0),
                             SingleScreen,
                             {300, 40},
                             {0, 0, 0, 1, 0},
                             {}},
                    LoadCase{"two sizes: the later wins",
                             values(40, 300, 1, 0, 1, 1, 0),
                             SingleScreen,
                             {300, 40},
                             {0, 0, 1, 1, 0},
                             {1, 3}},
                    LoadCase{"three sizes: the last wins",
                             values(40, 300, 1, 1, 1, 1, 0),
                             SingleScreen,
                             {300, 40},
                             {0, 0, 1, 1, 0},
                             {1, 2, 3}},
                    LoadCase{"both backgrounds: pink wins",
                             values(40, 300, 1, 0, 0, 1, 1),
                             SingleScreen,
                             {300, 40},
                             {1, 0, 0, 0, 1},
                             {1, 5}},
                    LoadCase{"no background",
                             values(40, 300, 1, 0, 0, 0, 0),
                             SingleScreen,
                             {300, 40},
                             {1, 0, 0, 0, 0},
                             {1}},
                    LoadCase{"Top stored as text",
                             "\"Top\"=\"40\"\n\"Left\"=dword:0000012c\n\"50p\"=dword:00000001\n"
                             "\"100p\"=dword:00000000\n\"LimeBG\"=dword:00000001\n",
                             SingleScreen,
                             {300, 100},
                             {0, 0, 1, 0, 1},
                             {3, 5}},
                    LoadCase{"on a left-hand screen",
                             values(40, -1200, 1, 0, 0, 1, 0),
                             LeftHandScreen,
                             {-1200, 40},
                             {1, 0, 0, 1, 0},
                             {1}},
                    LoadCase{"left-hand screen gone",
                             values(40, -1200, 1, 0, 0, 1, 0),
                             SingleScreen,
                             {100, 100},
                             {1, 0, 0, 1, 0},
                             {1}},
                    LoadCase{"far right of every screen",
                             values(40, 5000, 1, 0, 0, 1, 0),
                             SingleScreen,
                             {100, 100},
                             {1, 0, 0, 1, 0},
                             {1}},
                    LoadCase{"caption just reachable",
                             values(790, 760, 1, 0, 0, 1, 0),
                             SingleScreen,
                             {760, 790},
                             {1, 0, 0, 1, 0},
                             {1}},
                    LoadCase{"caption out of reach",
                             values(791, 760, 1, 0, 0, 1, 0),
                             SingleScreen,
                             {100, 100},
                             {1, 0, 0, 1, 0},
                             {1}},
                    LoadCase{"position left to the compositor",
                             values(40, 300, 0, 0, 1, 0, 1),
                             Wayland,
                             {7, 9},
                             {0, 0, 1, 0, 1},
                             {3, 5}}),
    [](const testing::TestParamInfo<LoadCase>& info) {
        std::string name;
        for (const char* p = info.param.what; *p; ++p)
            name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

TEST(WindowSettingsSave, WritesAllSevenValuesInOrder)
{
    TempConfigHome home;
    FakeMeterWindow meter;
    meter.window.move(300, 40);
    meter.buttons[2]->setChecked(true);
    meter.buttons[4]->setChecked(true);

    settings::SaveWindowSettings(meter.parts(), SingleScreen);
    EXPECT_EQ(home.contents(), Head + values(40, 300, 0, 0, 1, 0, 1));
}

TEST(WindowSettingsSave, WritesEverythingAlsoWhenNothingChanged)
{
    TempConfigHome home;
    FakeMeterWindow meter;
    settings::LoadWindowSettings(meter.parts(), SingleScreen);
    settings::SaveWindowSettings(meter.parts(), SingleScreen);
    EXPECT_EQ(home.contents(), Head + values(100, 100, 1, 0, 0, 1, 0));
}

TEST(WindowSettingsSave, KeepsTheSavedPositionWhereWindowsCannotKnowTheirs)
{
    TempConfigHome home;
    home.setContents(Head + values(40, 300, 1, 0, 0, 1, 0));
    FakeMeterWindow meter;
    settings::LoadWindowSettings(meter.parts(), Wayland);
    meter.buttons[1]->setChecked(true);
    meter.buttons[4]->setChecked(true);

    settings::SaveWindowSettings(meter.parts(), Wayland);
    EXPECT_EQ(home.contents(), Head + values(40, 300, 0, 1, 0, 0, 1));
}

TEST(WindowSettingsSave, RestoresWhatItSaved)
{
    TempConfigHome home;
    FakeMeterWindow first;
    first.window.move(-1200, 500);
    first.buttons[1]->setChecked(true);
    first.buttons[3]->setChecked(false);
    settings::SaveWindowSettings(first.parts(), LeftHandScreen);

    FakeMeterWindow second;
    settings::LoadWindowSettings(second.parts(), LeftHandScreen);
    EXPECT_EQ(second.window.pos(), QPoint(-1200, 500));
    EXPECT_EQ(second.checked(), first.checked());
}

TEST(WindowSettingsSave, GoesOnWhenNothingCanBeWritten)
{
    TempConfigHome home;
    std::ofstream(home.path() / "file") << "x";
    setenv("XDG_CONFIG_HOME", (home.path() / "file" / "cfg").c_str(), 1);
    FakeMeterWindow meter;
    settings::SaveWindowSettings(meter.parts(), SingleScreen);

    setenv("XDG_CONFIG_HOME", home.path().c_str(), 1);
    EXPECT_FALSE(fs::exists(home.file()));
}

} // namespace
