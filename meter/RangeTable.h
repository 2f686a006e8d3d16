#pragma once

#include <array>

namespace meter {

// One range of the meter: its entry in the range selector, the name under which
// its knob picture is asked for (matched without regard to case), the name the
// picture is stored under, and the direction of the knob's pointer in degrees,
// counter-clockwise from 3 o'clock.
struct Range {
    const char* entryText;
    const char* resourceName;
    const char* pictureName;
    int pointerDegrees;
};

inline constexpr std::array<Range, 8> RangeTable{{
    {"Off", "off", "OFF", 180},
    {"mV", "mV", "MV", 150},
    {"Volt", "volt", "VOLT", 120},
    {"mA", "mA", "MA", 90},
    {"Ampere", "ampere", "AMPERE", 60},
    {"kOhm", "kOhm", "KOHM", 30},
    {"Ohm", "ohm", "OHM", 0},
    {"Durchgang", "pips", "PIPS", -30},
}};

} // namespace meter
