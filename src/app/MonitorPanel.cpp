#include "app/MonitorPanel.h"

#include "ui/FormHlav.h"

#include <QLabel>
#include <QProgressBar>

namespace kx {

MonitorPanel::MonitorPanel(const FormControls& controls)
    : tests_(controls.frame.tests), rpmGauge_(controls.monitor.rpmGauge),
      tpsGauge_(controls.monitor.tpsGauge), version_(controls.frame.version),
      eeDataError_(controls.frame.dataError), servoDesired_(controls.monitor.servoDesired),
      servoMeasured_(controls.monitor.servoMeasured) {
    using D = MonitorDisplay;
    const MonitorControls& monitor = controls.monitor;
    const MiscellaneousPage& misc = controls.miscellaneous;
    labels_ = {
        {monitor.rpm, &D::LabelRpm},
        {monitor.voltage, &D::LabelNapeti},
        {monitor.blocking, &D::LabelBlocking1},
        {monitor.advance[0], &D::LabelAdvance1},
        {monitor.advance[1], &D::LabelAdvance2},
        {monitor.pilotLight, &D::LabelMonPilotLight},
        {monitor.pickups[0], &D::LabelMonSnimac1},
        {monitor.pickups[1], &D::LabelMonSnimac2},
        {monitor.tps, &D::LabelTpsMon},
        {monitor.servoDesired, &D::LabelPriveraPoz},
        {monitor.servoMeasured, &D::LabelPriveraMer},
        {controls.frame.version, &D::LabelVersion},
        {controls.bike.programCount, &D::LabelPocetProgramovani},
        {misc.inputStates[0], &D::LabelMonInput1In},
        {misc.inputStates[1], &D::LabelMonInput2In},
        {monitor.clutch, &D::LabelClutchMon},
        {monitor.startLimiter, &D::LabelMonStartLimiterOut},
        {monitor.retard, &D::LabelMonRetard},
        {monitor.killSwitch, &D::LabelKillSwitch},
    };
}

void MonitorPanel::Apply(const MonitorDisplay& display) {
    for (const Binding& binding : labels_)
        TFormHlav::ApplyLabel(binding.label, display.*binding.state);
    for (size_t i = 0; i < tests_.size(); ++i)
        TFormHlav::ApplyLabel(tests_[i], display.LabelTest[i]);
    TFormHlav::ApplyGauge(rpmGauge_, display.CGaugeRpm);
    TFormHlav::ApplyGauge(tpsGauge_, display.CGaugeTps);
    version_->setVisible(display.versionVisible);
    eeDataError_->setVisible(display.eeDataErrorVisible);
    servoDesired_->setVisible(display.servoLabelsVisible);
    servoMeasured_->setVisible(display.servoLabelsVisible);
}

} // namespace kx
