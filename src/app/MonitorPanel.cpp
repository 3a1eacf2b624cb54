#include "app/MonitorPanel.h"

#include "ui/FormHlav.h"

#include <QLabel>
#include <QProgressBar>

namespace kx {

MonitorPanel::MonitorPanel(TFormHlav& form)
    : rpmGauge_(form.control<QProgressBar>("CGaugeRpm")),
      tpsGauge_(form.control<QProgressBar>("CGaugeTps")),
      version_(form.control<QLabel>("LabelVersion")),
      eeDataError_(form.control<QLabel>("LabelEeDataErr")),
      servoDesired_(form.control<QLabel>("LabelPriveraPoz")),
      servoMeasured_(form.control<QLabel>("LabelPriveraMer")) {
    using D = MonitorDisplay;
    const std::pair<const char*, LabelState D::*> names[] = {
        {"LabelRpm", &D::LabelRpm},
        {"LabelNapeti", &D::LabelNapeti},
        {"LabelBlocking1", &D::LabelBlocking1},
        {"LabelAdvance1", &D::LabelAdvance1},
        {"LabelAdvance2", &D::LabelAdvance2},
        {"LabelMonPilotLight", &D::LabelMonPilotLight},
        {"LabelMonSnimac1", &D::LabelMonSnimac1},
        {"LabelMonSnimac2", &D::LabelMonSnimac2},
        {"LabelTpsMon", &D::LabelTpsMon},
        {"LabelPriveraPoz", &D::LabelPriveraPoz},
        {"LabelPriveraMer", &D::LabelPriveraMer},
        {"LabelVersion", &D::LabelVersion},
        {"LabelPocetProgramovani", &D::LabelPocetProgramovani},
        {"LabelMonInput1In", &D::LabelMonInput1In},
        {"LabelMonInput2In", &D::LabelMonInput2In},
        {"LabelClutchMon", &D::LabelClutchMon},
        {"LabelMonStartLimiterOut", &D::LabelMonStartLimiterOut},
        {"LabelMonRetard", &D::LabelMonRetard},
        {"LabelKillSwitch", &D::LabelKillSwitch},
    };
    for (const auto& [name, state] : names)
        labels_.push_back({form.control<QLabel>(name), state});
    for (int i = 0; i < 8; ++i)
        tests_[i] = form.control<QLabel>(QString("LabelTest%1").arg(i + 1));
}

void MonitorPanel::Apply(const MonitorDisplay& display) {
    for (const Binding& binding : labels_)
        TFormHlav::ApplyLabel(binding.label, display.*binding.state);
    for (int i = 0; i < 8; ++i)
        TFormHlav::ApplyLabel(tests_[i], display.LabelTest[i]);
    TFormHlav::ApplyGauge(rpmGauge_, display.CGaugeRpm);
    TFormHlav::ApplyGauge(tpsGauge_, display.CGaugeTps);
    version_->setVisible(display.versionVisible);
    eeDataError_->setVisible(display.eeDataErrorVisible);
    servoDesired_->setVisible(display.servoLabelsVisible);
    servoMeasured_->setVisible(display.servoLabelsVisible);
}

} // namespace kx
