#pragma once

#include "config/ConfigBlock.h"

#include <string>
#include <vector>

namespace kx {

// What the view rules read besides the record. Some rules follow a control rather than the
// record: the throttle-rows box and the two lists may have been changed without being read yet.
struct ViewInputs {
    bool printView = false;
    bool testMode = false;
    bool tpsRowsTicked = false;      // CheckBoxTpsMapa
    bool specialSelected = false;    // ComboBoxBike shows the special type
    int synchroItem = 0;             // ComboBoxSynchro's selection
    bool programAfterChange = false; // CheckBoxProgHned
};

enum class ViewProperty { Visible, Enabled, Alarm };

// One decision about one control. Alarm is the red background of the two check boxes that warn.
struct ViewSetting {
    std::string control;
    ViewProperty property;
    bool value;
};

struct ViewState {
    std::vector<ViewSetting> settings; // in rule order: a later setting for a control wins
    bool whiteBackground = false;      // the window, while it is printed
    bool mapRow9BelowAllRows = true;   // the 100 % row under the 80 % row, else under the axis
};

// Shows only what the configuration uses: the single-row map without throttle rows, the
// special type's keying, the second pick-up, the servo, the input functions, the print view.
ViewState ComputeViewRules(const ConfigBlock& block, const ViewInputs& inputs);

} // namespace kx
