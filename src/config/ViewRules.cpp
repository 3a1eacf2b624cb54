#include "config/ViewRules.h"

#include <initializer_list>

namespace kx {

namespace {

class Rules {
  public:
    explicit Rules(ViewState& state) : state_(state) {}

    void set(std::initializer_list<ViewControl> controls, ViewProperty property, bool value) {
        for (ViewControl control : controls)
            state_.settings.push_back({{control}, property, value});
    }
    // Members first .. last of a family.
    void family(ViewControl control, int first, int last, ViewProperty property, bool value) {
        for (int i = first; i <= last; ++i)
            state_.settings.push_back({{control, i}, property, value});
    }

  private:
    ViewState& state_;
};

bool InputUsedFor(const ConfigBlock& block, InputFunction function) {
    return block.input1Function == function || block.input2Function == function;
}

} // namespace

ViewState ComputeViewRules(const ConfigBlock& block, const ViewInputs& in) {
    using P = ViewProperty;
    using C = ViewControl;
    const int lastRow = MapIndex(kMapRows - 1, 0); // the 100 % row, always shown
    ViewState state;
    Rules rules(state);
    const bool shown = !in.printView; // tools and spinners have no place on paper
    const bool tpsOn = in.tpsRowsTicked;
    const bool special = in.specialSelected;
    const bool oneLobe = in.synchroItem == kSynchroOneLobe;
    const bool killOn = block.input1Function == kInputKillSwitch;
    const bool blockOn = block.input2Function == kInputBlocking;
    const bool clutchOn = InputUsedFor(block, kInputClutchMaster);
    const bool retardOn = InputUsedFor(block, kInputRetard);
    const bool startLimOn = InputUsedFor(block, kInputStartLimiter);

    state.whiteBackground = in.printView;
    rules.set({C::CheckBoxZakazCteni}, P::Alarm, block.noReading != 0);
    rules.set({C::CheckBoxProgHned}, P::Alarm, in.programAfterChange);

    rules.set({C::CheckBoxProgHned, C::StatusBar1,
               C::GroupBoxToolBar,  C::UpDownBaseAdv,
               C::UpDownOmez2,      C::BitBtnAdvMinus,
               C::BitBtnAdvPlus,    C::CheckBoxIgnAll,
               C::UpDownTps0,       C::UpDownTps100,
               C::BitBtnTps0,       C::BitBtnTps100,
               C::CGaugeRpm,        C::LabelPocetProgramovani,
               C::CheckBoxTpsMapa,  C::UpDownPrivHyster,
               C::BitBtnServoMinus, C::BitBtnServoPlus,
               C::CheckBoxServoAll, C::LabelMonSnimac1,
               C::LabelMonSnimac2,  C::UpDownPilotLight,
               C::UpDownPocSynchro, C::UpDownRpmKorekce,
               C::UpDownRpmPulsu},
              P::Visible, shown);
    rules.family(C::UpDownRpmAdv, 0, kAxisPoints - 1, P::Visible, shown);
    rules.family(C::MapUpDown, lastRow, lastRow + kMapColumns - 1, P::Visible, shown);
    rules.family(C::UpDownRpmPriv, 0, kAxisPoints - 1, P::Visible, shown);
    rules.family(C::UpDownNapPriv, 0, kAxisPoints - 1, P::Visible, shown);

    rules.set({C::CGaugeTps}, P::Visible, tpsOn && shown);
    rules.family(C::LabelTps, 0, kMapRows - 1, P::Visible, tpsOn);
    rules.family(C::MapEdit, 0, lastRow - 1, P::Visible, tpsOn);
    rules.family(C::MapUpDown, 0, lastRow - 1, P::Visible, tpsOn && shown);
    rules.family(C::CSpinButton, 0, kMapColumns - 1, P::Visible, tpsOn && shown);
    state.mapRow9BelowAllRows = tpsOn;

    rules.set({C::GroupBoxPrivera, C::LabelPriveraPoz, C::LabelPriveraMer}, P::Visible,
              block.servoEnable != 0);
    rules.set({C::LabelTpsMon}, P::Enabled, tpsOn);

    rules.set({C::ComboBoxSynchro,     C::ComboBoxNasobekPalcu, C::EditPocKanalu,
               C::EditKompenz1,        C::EditKompenz2,         C::LabelLobe,
               C::LabelHrana2,         C::LabelSnimac2,         C::CheckBoxPalec1ZacH2,
               C::CheckBoxPalec1EndH2, C::CheckBoxPalec2ZacH2,  C::CheckBoxPalec2EndH2,
               C::CheckBoxPalec1ZacP2, C::CheckBoxPalec1EndP2,  C::CheckBoxPalec2ZacP2,
               C::CheckBoxPalec2EndP2, C::GroupBoxSpecial,      C::GroupBoxPalec1,
               C::GroupBoxPalec2,      C::LabelSynchro,         C::LabelPocPalcu,
               C::LabelPocKanalu,      C::LabelPalec1Zac,       C::LabelPalec1End,
               C::LabelPalec2Zac,      C::LabelPalec2End,       C::LabelKompenz},
              P::Enabled, special);
    rules.set(
        {C::EditPocPalcu, C::EditPalec1Zac, C::EditPalec1End, C::EditPalec2Zac, C::EditPalec2End},
        P::Enabled, special && !oneLobe);
    rules.set({C::EditKompenz1, C::EditKompenz2, C::LabelKompenz}, P::Visible, in.testMode);
    rules.set({C::UpDownKompenz1, C::UpDownKompenz2}, P::Visible, in.testMode && shown);
    rules.set({C::CheckBoxInvInput2, C::CheckBoxPalec1ZacP2, C::CheckBoxPalec1EndP2,
               C::CheckBoxPalec2ZacP2, C::CheckBoxPalec2EndP2},
              P::Visible, UsesSecondPickup(in.synchroItem));
    rules.set({C::UpDownPocPalcu, C::UpDownPalec1Zac, C::UpDownPalec1End, C::UpDownPalec2Zac,
               C::UpDownPalec2End},
              P::Visible, special && !oneLobe && shown);
    rules.set({C::UpDownPocKanalu}, P::Visible, special && shown);
    rules.set({C::GroupBoxPalec2}, P::Visible, block.outputCount >= 2);
    rules.set({C::LabelAdvance2}, P::Visible,
              block.bike == kSpecialBikeCode && block.outputCount >= 2);
    rules.set({C::LabelMonSnimac2}, P::Visible, UsesSecondPickup(block.synchroMode));

    rules.set({C::LabelKillSwitch}, P::Enabled, killOn);
    rules.set({C::LabelMonRetard}, P::Enabled, retardOn);
    rules.set({C::LabelBlocking1}, P::Enabled, blockOn);
    rules.set({C::LabelMonStartLimiterOut}, P::Enabled, startLimOn);
    rules.set({C::LabelClutchMon}, P::Enabled, clutchOn);

    rules.set({C::EditOmez1, C::LabelOmez1}, P::Enabled, startLimOn);
    rules.set({C::UpDownOmez1}, P::Visible, startLimOn && shown);
    rules.set({C::EditRetard, C::LabelRetard}, P::Enabled, retardOn);
    rules.set({C::UpDownRetard}, P::Visible, retardOn && shown);
    rules.set({C::EditClutchTime, C::LabelClutchTime, C::EditClutchPause, C::LabelClutchPause},
              P::Enabled, clutchOn);
    rules.set({C::UpDownClutchTime, C::UpDownClutchPause}, P::Visible, clutchOn && shown);
    return state;
}

} // namespace kx
