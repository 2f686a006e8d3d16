#include "WindowSettings.h"

#include "settings/MyFunctions.h"

namespace settings {

namespace {

constexpr const char* KeyName = "Quorvel";

enum class Stored { Integer, Boolean };
enum class Mirrors { Top, Left, RadioButton };

struct WindowValue {
    const char* name;
    Stored stored;
    int32_t defaultValue;
    Mirrors mirrors;
    size_t button; // index into PersistentWindow::radioButtons
};

// Read and written in this order.
constexpr std::array<WindowValue, 7> WindowValues{{
    {"Top", Stored::Integer, 100, Mirrors::Top, 0},
    {"Left", Stored::Integer, 100, Mirrors::Left, 0},
    {"100p", Stored::Boolean, true, Mirrors::RadioButton, 0},
    {"75p", Stored::Boolean, false, Mirrors::RadioButton, 1},
    {"50p", Stored::Boolean, false, Mirrors::RadioButton, 2},
    {"WhiteBG", Stored::Boolean, true, Mirrors::RadioButton, 3},
    {"LimeBG", Stored::Boolean, false, Mirrors::RadioButton, 4},
}};

int32_t defaultOf(Mirrors mirrors)
{
    for (const WindowValue& value : WindowValues) {
        if (value.mirrors == mirrors)
            return value.defaultValue;
    }
    return 0;
}

bool applies(const WindowValue& value, const Desktop& desktop)
{
    return value.mirrors == Mirrors::RadioButton || desktop.windowPositionsKnown;
}

} // namespace

void LoadWindowSettings(const PersistentWindow& target, const Desktop& desktop)
{
    QWidget* window = target.window;
    for (const WindowValue& value : WindowValues) {
        if (!applies(value, desktop))
            continue;
        const int32_t stored = value.stored == Stored::Integer
                                   ? ReadIntegerSetting(KeyName, value.name, value.defaultValue)
                                   : ReadBoolSetting(KeyName, value.name, value.defaultValue != 0);
        switch (value.mirrors) {
        case Mirrors::Top:
            window->move(window->x(), stored);
            break;
        case Mirrors::Left: {
            const QPoint fallback(defaultOf(Mirrors::Left), defaultOf(Mirrors::Top));
            window->move(reachablePosition(QPoint(stored, window->y()),
                                           window->frameGeometry().width(),
                                           desktop.availableGeometries, fallback));
            break;
        }
        case Mirrors::RadioButton:
            target.radioButtons[value.button]->setChecked(stored != 0);
            break;
        }
    }
}

void SaveWindowSettings(const PersistentWindow& source, const Desktop& desktop)
{
    for (const WindowValue& value : WindowValues) {
        if (!applies(value, desktop))
            continue;
        int32_t current = 0;
        switch (value.mirrors) {
        case Mirrors::Top:
            current = source.window->y();
            break;
        case Mirrors::Left:
            current = source.window->x();
            break;
        case Mirrors::RadioButton:
            current = source.radioButtons[value.button]->isChecked();
            break;
        }
        if (value.stored == Stored::Integer)
            WriteIntegerSetting(KeyName, value.name, current);
        else
            WriteBoolSetting(KeyName, value.name, current != 0);
    }
}

} // namespace settings
