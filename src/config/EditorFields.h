#pragma once

#include "config/ConfigBlock.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kx {

// How a stored byte is shown in its editing control, and back.
enum class Scale {
    Plain,    // as stored
    Hundreds, // rpm from hundreds of rpm
    Tens,     // mV or ms from tens
    Fives,    // mV from fives
    Twenties, // mV from twenties
    Tps100,   // mV of the 100 % throttle point, stored as an offset from 2500 mV
    Bias100,  // tachometer correction, stored with a bias of 100
};

int ShownFromStored(Scale scale, uint8_t stored);
// The unit's own 8-bit arithmetic: out-of-range values wrap rather than saturate.
uint8_t StoredFromShown(Scale scale, int shown);

// One spin field: an edit "Edit<name>" with its up-down "UpDown<name>".
struct SpinFieldSpec {
    std::string name;
    int offset; // into ConfigBlock
    Scale scale;
    int minimum;
    int maximum;
    int start; // design-time position, before the first record is shown
    int increment;

    std::string editName() const { return "Edit" + name; }
    std::string upDownName() const { return "UpDown" + name; }
    // Speeds, voltages and times are grouped (15,000); small numbers and map cells are not.
    bool thousands() const { return maximum >= 1000; }
    bool isCompensation() const { return offset == 23 || offset == 24; }
};

// A check box bound to a flag byte.
struct CheckFieldSpec {
    std::string name; // object name of the check box
    int offset;
    bool mouseBound; // edits count on mouse release only; the others on click
};

// Every spin field of the window, the map cells "50" .. "149" included, in the order the record
// is shown: single values, the lobe numbers, the three axes, then the map row by row.
const std::vector<SpinFieldSpec>& SpinFields();
const std::vector<CheckFieldSpec>& CheckFields();

} // namespace kx
