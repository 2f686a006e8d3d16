#pragma once

#include "platform/RadioButton.h"
#include "settings/WindowPlacement.h"

#include <QWidget>
#include <array>

namespace settings {

// The meter window's parts that persist.
struct PersistentWindow {
    QWidget* window;                                    // its outer top-left corner: pos()/move()
    std::array<platform::RadioButton*, 5> radioButtons; // RadioButton1..RadioButton5
};

// Reads the window's seven values from the key "Quorvel" and applies each as soon as it is
// read: Top, then Left, then the checked states of RadioButton1 to RadioButton5 one after
// the other, so that a button set checked clears its siblings and emits turnedChecked().
// A value that cannot be read takes its default. A position whose caption bar would be out
// of reach opens at the default (100, 100); where windows cannot know their position, Top
// and Left are not applied, and the windowing system places the window.
void LoadWindowSettings(const PersistentWindow& window,
                        const Desktop& desktop = Desktop::current());

// Writes the same values in the same order from the window's current state, all of them at
// every call, each on its own; failed writes are ignored. Where windows cannot know their
// position, Top and Left are not written, so the position saved earlier is kept.
void SaveWindowSettings(const PersistentWindow& window,
                        const Desktop& desktop = Desktop::current());

} // namespace settings
