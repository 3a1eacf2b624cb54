#pragma once

#include "present/LinkPresenter.h"

#include <array>
#include <vector>

class QLabel;
class QProgressBar;

namespace kx {

struct FormControls;

// Puts the decoded live data on the monitor labels and gauges; each telegram only sets what
// changed.
class MonitorPanel {
  public:
    explicit MonitorPanel(const FormControls& controls);
    void Apply(const MonitorDisplay& display);

  private:
    struct Binding {
        QLabel* label;
        LabelState MonitorDisplay::*state;
    };
    std::vector<Binding> labels_;
    std::array<QLabel*, 8> tests_;
    QProgressBar* rpmGauge_;
    QProgressBar* tpsGauge_;
    QLabel* version_;
    QLabel* eeDataError_;
    QLabel* servoDesired_;
    QLabel* servoMeasured_;
};

} // namespace kx
