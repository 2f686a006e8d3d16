#pragma once

#include "platform/FontDefinition.h"

#include <QRect>
#include <QRgb>
#include <span>

namespace about {

enum class ControlKind { Button, Panel, Label, LinkLabel, Picture, Memo };

// One control of the About dialog, created in table order, which is also the Tab order.
struct ControlDefinition {
    ControlKind kind;
    const char* name;
    const char* parent; // nullptr for the window itself
    QRect geometry;     // in the parent's client area
    const char* text;   // UTF-8
    const platform::FontDefinition* font;
    bool sizesToText; // keeps its top-left corner and takes the size of its text
    bool handCursor;
};

std::span<const ControlDefinition> FormAboutControls();

inline constexpr const char* FormAboutCaption = "About...";
inline constexpr int FormAboutClientWidth = 576;
inline constexpr int FormAboutClientHeight = 288;
inline constexpr platform::FontDefinition FormAboutFont{"Tahoma", 11, false, false, qRgb(0, 0, 0)};

// The face used where a named one is not installed. Its widths are close to those of Tahoma
// and MS Sans Serif, so texts placed side by side keep their designed spacing; the usual
// fallback face is wide enough to run "Version:" into "v1.0".
inline constexpr const char* FallbackFamily = "Liberation Sans";

// The maker's logo, 250 × 46, drawn with its key colour transparent.
inline constexpr const char* LogoResource = ":/about/Image1.bmp";

} // namespace about
