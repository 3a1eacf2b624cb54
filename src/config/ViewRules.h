#pragma once

#include "config/ConfigBlock.h"

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

// The controls the rules decide about, named as on the window. The last few stand for a numbered
// family; ViewTarget::index picks the member, counted from 0.
enum class ViewControl {
    BitBtnAdvMinus,
    BitBtnAdvPlus,
    BitBtnServoMinus,
    BitBtnServoPlus,
    BitBtnTps0,
    BitBtnTps100,
    CGaugeRpm,
    CGaugeTps,
    CheckBoxIgnAll,
    CheckBoxInvInput2,
    CheckBoxPalec1EndH2,
    CheckBoxPalec1EndP2,
    CheckBoxPalec1ZacH2,
    CheckBoxPalec1ZacP2,
    CheckBoxPalec2EndH2,
    CheckBoxPalec2EndP2,
    CheckBoxPalec2ZacH2,
    CheckBoxPalec2ZacP2,
    CheckBoxProgHned,
    CheckBoxServoAll,
    CheckBoxTpsMapa,
    CheckBoxZakazCteni,
    ComboBoxNasobekPalcu,
    ComboBoxSynchro,
    EditClutchPause,
    EditClutchTime,
    EditKompenz1,
    EditKompenz2,
    EditOmez1,
    EditPalec1End,
    EditPalec1Zac,
    EditPalec2End,
    EditPalec2Zac,
    EditPocKanalu,
    EditPocPalcu,
    EditRetard,
    GroupBoxPalec1,
    GroupBoxPalec2,
    GroupBoxPrivera,
    GroupBoxSpecial,
    GroupBoxToolBar,
    LabelAdvance2,
    LabelBlocking1,
    LabelClutchMon,
    LabelClutchPause,
    LabelClutchTime,
    LabelHrana2,
    LabelKillSwitch,
    LabelKompenz,
    LabelLobe,
    LabelMonRetard,
    LabelMonSnimac1,
    LabelMonSnimac2,
    LabelMonStartLimiterOut,
    LabelOmez1,
    LabelPalec1End,
    LabelPalec1Zac,
    LabelPalec2End,
    LabelPalec2Zac,
    LabelPocetProgramovani,
    LabelPocKanalu,
    LabelPocPalcu,
    LabelPriveraMer,
    LabelPriveraPoz,
    LabelRetard,
    LabelSnimac2,
    LabelSynchro,
    LabelTpsMon,
    StatusBar1,
    UpDownBaseAdv,
    UpDownClutchPause,
    UpDownClutchTime,
    UpDownKompenz1,
    UpDownKompenz2,
    UpDownOmez1,
    UpDownOmez2,
    UpDownPalec1End,
    UpDownPalec1Zac,
    UpDownPalec2End,
    UpDownPalec2Zac,
    UpDownPilotLight,
    UpDownPocKanalu,
    UpDownPocPalcu,
    UpDownPocSynchro,
    UpDownPrivHyster,
    UpDownRetard,
    UpDownRpmKorekce,
    UpDownRpmPulsu,
    UpDownTps0,
    UpDownTps100,
    // Families, index from 0.
    CSpinButton,   // CSpinButton1 .. CSpinButton10
    LabelTps,      // LabelTps1 .. LabelTps10, the row labels
    MapEdit,       // Edit50 .. Edit149, index MapIndex(row, column)
    MapUpDown,     // UpDown50 .. UpDown149, likewise
    UpDownNapPriv, // UpDownNapPriv1 .. UpDownNapPriv10
    UpDownRpmAdv,  // UpDownRpmAdv1 .. UpDownRpmAdv10
    UpDownRpmPriv, // UpDownRpmPriv1 .. UpDownRpmPriv10
};

struct ViewTarget {
    ViewControl control;
    int index = 0; // within a family; 0 for a single control
    bool operator==(const ViewTarget& other) const {
        return control == other.control && index == other.index;
    }
};

// One decision about one control. Alarm is the red background of the two check boxes that warn.
struct ViewSetting {
    ViewTarget target;
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
