#pragma once

#include "platform/FontDefinition.h"

#include <QRect>
#include <QRgb>
#include <span>

namespace meter {

enum class ControlKind {
    Shape,
    Picture,
    StaticText,
    Button,
    GroupBox,
    Edit,
    ComboBox,
    RadioButton,
    BitButton
};

// One control of the meter window: created in table order, which is also the
// order the Tab key follows and the order in which siblings are stacked.
struct ControlDefinition {
    ControlKind kind;
    const char* name;
    const char* parent; // nullptr for the window itself
    QRect geometry;     // in the parent's client area
    const char* text;   // UTF-8
    const platform::FontDefinition* font;
};

std::span<const ControlDefinition> Form1Controls();

inline constexpr const char* Form1Caption = "Quorvel";
inline constexpr int Form1ClientWidth = 325;
inline constexpr int Form1ClientHeight = 223;
inline constexpr platform::FontDefinition Form1Font{"Arial", 13, false, false, qRgb(0, 0, 0)};

} // namespace meter
