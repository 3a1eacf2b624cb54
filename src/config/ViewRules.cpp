#include "config/ViewRules.h"

#include <initializer_list>

namespace kx {

namespace {

class Rules {
  public:
    explicit Rules(ViewState& state) : state_(state) {}

    void set(std::initializer_list<const char*> controls, ViewProperty property, bool value) {
        for (const char* control : controls)
            state_.settings.push_back({control, property, value});
    }
    void numbered(const char* prefix, int first, int last, ViewProperty property, bool value) {
        for (int i = first; i <= last; ++i)
            state_.settings.push_back({prefix + std::to_string(i), property, value});
    }

  private:
    ViewState& state_;
};

bool InputUsedFor(const ConfigBlock& block, uint8_t function) {
    return block.input1Function == function || block.input2Function == function;
}

} // namespace

ViewState ComputeViewRules(const ConfigBlock& block, const ViewInputs& in) {
    using P = ViewProperty;
    ViewState state;
    Rules rules(state);
    const bool shown = !in.printView; // tools and spinners have no place on paper
    const bool tpsOn = in.tpsRowsTicked;
    const bool special = in.specialSelected;
    const bool sync0 = in.synchroItem == 0;
    const bool sync4 = in.synchroItem == 4;
    const bool killOn = block.input1Function == 1;
    const bool blockOn = block.input2Function == 1;
    const bool clutchOn = InputUsedFor(block, 2);
    const bool retardOn = InputUsedFor(block, 3);
    const bool startLimOn = InputUsedFor(block, 4);

    state.whiteBackground = in.printView;
    rules.set({"CheckBoxZakazCteni"}, P::Alarm, block.noReading != 0);
    rules.set({"CheckBoxProgHned"}, P::Alarm, in.programAfterChange);

    rules.set({"CheckBoxProgHned", "StatusBar1",
               "GroupBoxToolBar",  "UpDownBaseAdv",
               "UpDownOmez2",      "BitBtnAdvMinus",
               "BitBtnAdvPlus",    "CheckBoxIgnAll",
               "UpDownTps0",       "UpDownTps100",
               "BitBtnTps0",       "BitBtnTps100",
               "CGaugeRpm",        "LabelPocetProgramovani",
               "CheckBoxTpsMapa",  "UpDownPrivHyster",
               "BitBtnServoMinus", "BitBtnServoPlus",
               "CheckBoxServoAll", "LabelMonSnimac1",
               "LabelMonSnimac2"},
              P::Visible, shown);
    rules.numbered("UpDownRpmAdv", 1, 10, P::Visible, shown);
    rules.numbered("UpDown", 140, 149, P::Visible, shown);
    rules.numbered("UpDownRpmPriv", 1, 10, P::Visible, shown);
    rules.numbered("UpDownNapPriv", 1, 10, P::Visible, shown);

    rules.set({"CGaugeTps"}, P::Visible, tpsOn && shown);
    rules.numbered("LabelTps", 1, 10, P::Visible, tpsOn);
    rules.numbered("Edit", 50, 139, P::Visible, tpsOn);
    rules.numbered("UpDown", 50, 139, P::Visible, tpsOn && shown);
    rules.numbered("CSpinButton", 1, 10, P::Visible, tpsOn && shown);
    state.mapRow9BelowAllRows = tpsOn;

    rules.set({"GroupBoxPrivera", "LabelPriveraPoz", "LabelPriveraMer"}, P::Visible,
              block.servoEnable != 0);
    rules.set({"LabelTpsMon"}, P::Enabled, tpsOn);

    rules.set({"ComboBoxSynchro",     "ComboBoxNasobekPalcu", "EditPocKanalu",
               "EditKompenz1",        "EditKompenz2",         "LabelLobe",
               "LabelHrana2",         "LabelSnimac2",         "CheckBoxPalec1ZacH2",
               "CheckBoxPalec1EndH2", "CheckBoxPalec2ZacH2",  "CheckBoxPalec2EndH2",
               "CheckBoxPalec1ZacP2", "CheckBoxPalec1EndP2",  "CheckBoxPalec2ZacP2",
               "CheckBoxPalec2EndP2", "GroupBoxSpecial",      "GroupBoxPalec1",
               "GroupBoxPalec2",      "LabelSynchro",         "LabelPocPalcu",
               "LabelPocKanalu",      "LabelPalec1Zac",       "LabelPalec1End",
               "LabelPalec2Zac",      "LabelPalec2End",       "LabelKompenz"},
              P::Enabled, special);
    rules.set({"EditPocPalcu", "EditPalec1Zac", "EditPalec1End", "EditPalec2Zac", "EditPalec2End"},
              P::Enabled, special && !sync0);
    rules.set({"EditKompenz1", "EditKompenz2", "UpDownKompenz1", "UpDownKompenz2", "LabelKompenz"},
              P::Visible, in.testMode);
    rules.set({"CheckBoxInvInput2", "CheckBoxPalec1ZacP2", "CheckBoxPalec1EndP2",
               "CheckBoxPalec2ZacP2", "CheckBoxPalec2EndP2"},
              P::Visible, sync0 || sync4);
    rules.set({"UpDownPocPalcu", "UpDownPalec1Zac", "UpDownPalec1End", "UpDownPalec2Zac",
               "UpDownPalec2End"},
              P::Visible, special && !sync0);
    rules.set({"UpDownPocKanalu"}, P::Visible, special);
    rules.set({"GroupBoxPalec2"}, P::Visible, block.outputCount >= 2);
    rules.set({"LabelAdvance2"}, P::Visible, block.bike == 1 && block.outputCount >= 2);
    rules.set({"LabelMonSnimac2"}, P::Visible, block.synchroMode == 0 || block.synchroMode == 4);

    rules.set({"LabelKillSwitch"}, P::Enabled, killOn);
    rules.set({"LabelMonRetard"}, P::Enabled, retardOn);
    rules.set({"LabelBlocking1"}, P::Enabled, blockOn);
    rules.set({"LabelMonStartLimiterOut"}, P::Enabled, startLimOn);
    rules.set({"LabelClutchMon"}, P::Enabled, clutchOn);

    rules.set({"EditOmez1", "LabelOmez1"}, P::Enabled, startLimOn);
    rules.set({"UpDownOmez1"}, P::Visible, startLimOn && shown);
    rules.set({"EditRetard", "LabelRetard"}, P::Enabled, retardOn);
    rules.set({"UpDownRetard"}, P::Visible, retardOn && shown);
    rules.set({"EditClutchTime", "LabelClutchTime", "EditClutchPause", "LabelClutchPause"},
              P::Enabled, clutchOn);
    rules.set({"UpDownClutchTime", "UpDownClutchPause"}, P::Visible, clutchOn && shown);
    return state;
}

} // namespace kx
