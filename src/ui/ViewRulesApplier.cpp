#include "ui/ViewRulesApplier.h"

#include "ui/FormHlav.h"
#include "ui/layout/FormLayout.h"
#include "ui/widgets/SpinButton.h"
#include "ui/widgets/UpDown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

namespace kx {

namespace {

void SetBackground(QWidget* widget, Colour colour) {
    const QColor wanted = TFormHlav::ColourOf(colour, widget->palette());
    if (widget->palette().color(QPalette::Window) == wanted)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, wanted);
    widget->setAutoFillBackground(true);
    widget->setPalette(palette);
}

} // namespace

// Without a default, a control added to the rules but not mapped here fails the build.
QWidget* ViewRulesApplier::Control(const ViewTarget& target) const {
    using C = ViewControl;
    const FormControls& c = controls_;
    const std::array<LobeChannel, 2>& lobes = c.bike.channels;
    const size_t i = size_t(target.index);
    switch (target.control) {
    case C::BitBtnAdvMinus:
        return c.advance.minus;
    case C::BitBtnAdvPlus:
        return c.advance.plus;
    case C::BitBtnServoMinus:
        return c.servo.minus;
    case C::BitBtnServoPlus:
        return c.servo.plus;
    case C::BitBtnTps0:
        return c.miscellaneous.setTps0;
    case C::BitBtnTps100:
        return c.miscellaneous.setTps100;
    case C::CGaugeRpm:
        return c.monitor.rpmGauge;
    case C::CGaugeTps:
        return c.monitor.tpsGauge;
    case C::CheckBoxIgnAll:
        return c.advance.all;
    case C::CheckBoxInvInput2:
        return c.bike.invertPickup[1];
    case C::CheckBoxPalec1EndH2:
        return lobes[0].startAdvance.secondEdge;
    case C::CheckBoxPalec1EndP2:
        return lobes[0].startAdvance.secondPickup;
    case C::CheckBoxPalec1ZacH2:
        return lobes[0].maximumAdvance.secondEdge;
    case C::CheckBoxPalec1ZacP2:
        return lobes[0].maximumAdvance.secondPickup;
    case C::CheckBoxPalec2EndH2:
        return lobes[1].startAdvance.secondEdge;
    case C::CheckBoxPalec2EndP2:
        return lobes[1].startAdvance.secondPickup;
    case C::CheckBoxPalec2ZacH2:
        return lobes[1].maximumAdvance.secondEdge;
    case C::CheckBoxPalec2ZacP2:
        return lobes[1].maximumAdvance.secondPickup;
    case C::CheckBoxProgHned:
        return c.miscellaneous.programAfterChange;
    case C::CheckBoxServoAll:
        return c.servo.all;
    case C::CheckBoxTpsMapa:
        return c.advance.tpsRows;
    case C::CheckBoxZakazCteni:
        return c.miscellaneous.noReading;
    case C::ComboBoxNasobekPalcu:
        return c.bike.lobesPerTurn;
    case C::ComboBoxSynchro:
        return c.bike.synchro;
    case C::EditClutchPause:
        return c.miscellaneous.clutchPause.field.edit;
    case C::EditClutchTime:
        return c.miscellaneous.clutchTime.field.edit;
    case C::EditKompenz1:
        return c.bike.compensation[0].edit;
    case C::EditKompenz2:
        return c.bike.compensation[1].edit;
    case C::EditOmez1:
        return c.miscellaneous.startLimiter.field.edit;
    case C::EditPalec1End:
        return lobes[0].startAdvance.lobe.edit;
    case C::EditPalec1Zac:
        return lobes[0].maximumAdvance.lobe.edit;
    case C::EditPalec2End:
        return lobes[1].startAdvance.lobe.edit;
    case C::EditPalec2Zac:
        return lobes[1].maximumAdvance.lobe.edit;
    case C::EditPocKanalu:
        return c.bike.outputCount.field.edit;
    case C::EditPocPalcu:
        return c.bike.lobeCount.field.edit;
    case C::EditRetard:
        return c.miscellaneous.retard.field.edit;
    case C::GroupBoxPalec1:
        return lobes[0].group;
    case C::GroupBoxPalec2:
        return lobes[1].group;
    case C::GroupBoxPrivera:
        return c.servo.group;
    case C::GroupBoxSpecial:
        return c.bike.special;
    case C::GroupBoxToolBar:
        return c.frame.toolBar;
    case C::LabelAdvance2:
        return c.monitor.advance[1];
    case C::LabelBlocking1:
        return c.monitor.blocking;
    case C::LabelClutchMon:
        return c.monitor.clutch;
    case C::LabelClutchPause:
        return c.miscellaneous.clutchPause.label;
    case C::LabelClutchTime:
        return c.miscellaneous.clutchTime.label;
    case C::LabelHrana2:
        return c.bike.edgeHeading;
    case C::LabelKillSwitch:
        return c.monitor.killSwitch;
    case C::LabelKompenz:
        return c.bike.compensationLabel;
    case C::LabelLobe:
        return c.bike.lobeHeading;
    case C::LabelMonRetard:
        return c.monitor.retard;
    case C::LabelMonSnimac1:
        return c.monitor.pickups[0];
    case C::LabelMonSnimac2:
        return c.monitor.pickups[1];
    case C::LabelMonStartLimiterOut:
        return c.monitor.startLimiter;
    case C::LabelOmez1:
        return c.miscellaneous.startLimiter.label;
    case C::LabelPalec1End:
        return lobes[0].startAdvance.label;
    case C::LabelPalec1Zac:
        return lobes[0].maximumAdvance.label;
    case C::LabelPalec2End:
        return lobes[1].startAdvance.label;
    case C::LabelPalec2Zac:
        return lobes[1].maximumAdvance.label;
    case C::LabelPocetProgramovani:
        return c.bike.programCount;
    case C::LabelPocKanalu:
        return c.bike.outputCount.label;
    case C::LabelPocPalcu:
        return c.bike.lobeCount.label;
    case C::LabelPriveraMer:
        return c.monitor.servoMeasured;
    case C::LabelPriveraPoz:
        return c.monitor.servoDesired;
    case C::LabelRetard:
        return c.miscellaneous.retard.label;
    case C::LabelSnimac2:
        return c.bike.pickupHeading;
    case C::LabelSynchro:
        return c.bike.synchroLabel;
    case C::LabelTpsMon:
        return c.monitor.tps;
    case C::StatusBar1:
        return c.frame.statusBar;
    case C::UpDownBaseAdv:
        return c.advance.baseAdvance.upDown;
    case C::UpDownClutchPause:
        return c.miscellaneous.clutchPause.field.upDown;
    case C::UpDownClutchTime:
        return c.miscellaneous.clutchTime.field.upDown;
    case C::UpDownKompenz1:
        return c.bike.compensation[0].upDown;
    case C::UpDownKompenz2:
        return c.bike.compensation[1].upDown;
    case C::UpDownOmez1:
        return c.miscellaneous.startLimiter.field.upDown;
    case C::UpDownOmez2:
        return c.miscellaneous.limiter.field.upDown;
    case C::UpDownPalec1End:
        return lobes[0].startAdvance.lobe.upDown;
    case C::UpDownPalec1Zac:
        return lobes[0].maximumAdvance.lobe.upDown;
    case C::UpDownPalec2End:
        return lobes[1].startAdvance.lobe.upDown;
    case C::UpDownPalec2Zac:
        return lobes[1].maximumAdvance.lobe.upDown;
    case C::UpDownPilotLight:
        return c.miscellaneous.pilotLight.field.upDown;
    case C::UpDownPocSynchro:
        return c.miscellaneous.noIgnitionRevs.field.upDown;
    case C::UpDownRpmKorekce:
        return c.bike.tachoCorrection.upDown;
    case C::UpDownRpmPulsu:
        return c.bike.tachoPulses.upDown;
    case C::UpDownPocKanalu:
        return c.bike.outputCount.field.upDown;
    case C::UpDownPocPalcu:
        return c.bike.lobeCount.field.upDown;
    case C::UpDownPrivHyster:
        return c.servo.hysteresis.upDown;
    case C::UpDownRetard:
        return c.miscellaneous.retard.field.upDown;
    case C::UpDownTps0:
        return c.miscellaneous.tps0.upDown;
    case C::UpDownTps100:
        return c.miscellaneous.tps100.upDown;
    case C::CSpinButton:
        return c.advance.columnButtons.at(i);
    case C::LabelTps:
        return c.advance.rowLabels.at(i);
    case C::MapEdit:
        return c.advance.cells.at(i).edit;
    case C::MapUpDown:
        return c.advance.cells.at(i).upDown;
    case C::UpDownNapPriv:
        return c.servo.mv.at(i).upDown;
    case C::UpDownRpmAdv:
        return c.advance.axis.at(i).upDown;
    case C::UpDownRpmPriv:
        return c.servo.rpm.at(i).upDown;
    }
    Q_UNREACHABLE();
}

void ViewRulesApplier::Apply(const ViewState& state) {
    SetBackground(&window_, state.whiteBackground ? Colour::White : Colour::ButtonFace);
    for (const ViewSetting& setting : state.settings) {
        QWidget* control = Control(setting.target);
        switch (setting.property) {
        case ViewProperty::Visible:
            if (control->isHidden() == setting.value)
                control->setVisible(setting.value);
            break;
        case ViewProperty::Enabled:
            if (control->isEnabledTo(control->parentWidget()) != setting.value)
                control->setEnabled(setting.value);
            break;
        case ViewProperty::Alarm:
            SetBackground(control, setting.value ? Colour::Red : Colour::ButtonFace);
            break;
        }
    }
    // The row moves only when the rule flips.
    if (placedBelowAllRows_ != state.mapRow9BelowAllRows) {
        PlaceMapRow9(controls_.advance, state.mapRow9BelowAllRows);
        placedBelowAllRows_ = state.mapRow9BelowAllRows;
    }
}

} // namespace kx
