#pragma once

#include "config/ConfigBlock.h"
#include "config/Conversions.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kx {

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
    bool isCompensation() const {
        return offset == int(offsetof(ConfigBlock, compensation1)) ||
               offset == int(offsetof(ConfigBlock, compensation2));
    }
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
