#include "Form1Definition.h"

#include "InstallDigitFont.h"

#include <array>

namespace meter {
namespace {

constexpr QRgb WindowText = qRgb(0, 0, 0);
constexpr QRgb Silver = qRgb(192, 192, 192);

using platform::FontDefinition;

constexpr FontDefinition ReadingFont{kDigitFontFamily, 24, true, false, WindowText};
constexpr FontDefinition UnitFont{"Arial", 9, false, false, WindowText};
constexpr FontDefinition GroupCaptionFont{"Arial", 11, false, false, WindowText};
constexpr FontDefinition OptionFont{"Arial", 13, false, false, Silver};

using K = ControlKind;

constexpr std::array<ControlDefinition, 18> Controls{{
    {K::Shape, "Shape1", nullptr, {6, 8, 121, 209}, "", nullptr},
    {K::Picture, "Image1", nullptr, {16, 16, 101, 197}, "", nullptr},
    {K::Picture, "Knopf", nullptr, {42, 94, 50, 50}, "", nullptr},
    {K::StaticText, "StaticText1", nullptr, {40, 34, 58, 20}, "0.0000", &ReadingFont},
    {K::StaticText, "StaticText2", nullptr, {40, 60, 57, 10}, "Volt", &UnitFont},
    {K::Button, "Button2", nullptr, {144, 192, 75, 25}, "Über...", nullptr},
    {K::GroupBox, "GroupBox1", nullptr, {144, 8, 169, 49}, "", nullptr},
    {K::Edit, "Edit1", "GroupBox1", {8, 8, 57, 24}, "0.0000", nullptr},
    {K::ComboBox, "ComboBox1", "GroupBox1", {72, 8, 89, 24}, "Volt", nullptr},
    {K::Button, "Button3", nullptr, {224, 192, 89, 25}, "Schließen", nullptr},
    {K::GroupBox, "GroupBox2", nullptr, {232, 62, 81, 97}, " Hintergrund ", &GroupCaptionFont},
    {K::RadioButton, "RadioButton4", "GroupBox2", {8, 24, 65, 17}, "Weiß", &OptionFont},
    {K::RadioButton, "RadioButton5", "GroupBox2", {8, 48, 65, 17}, "Pink", &OptionFont},
    {K::GroupBox, "GroupBox3", nullptr, {144, 62, 81, 97}, " Größe ", &GroupCaptionFont},
    {K::RadioButton, "RadioButton1", "GroupBox3", {8, 24, 65, 17}, "100%", &OptionFont},
    {K::RadioButton, "RadioButton2", "GroupBox3", {8, 48, 65, 17}, "75%", &OptionFont},
    {K::RadioButton, "RadioButton3", "GroupBox3", {8, 72, 65, 17}, "50%", &OptionFont},
    {K::BitButton, "Button1", nullptr, {144, 163, 169, 25}, "  in die Zwischenablage", nullptr},
}};

} // namespace

std::span<const ControlDefinition> Form1Controls()
{
    return Controls;
}

} // namespace meter
