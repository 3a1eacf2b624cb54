#pragma once

#include "present/LinkPresenter.h"

#include <vector>

class QLabel;
class QProgressBar;

namespace kx {

class TFormHlav;

// Puts the decoded live data on the monitor labels and gauges. The labels are looked up once;
// each telegram then only sets what changed.
class MonitorPanel {
  public:
    explicit MonitorPanel(TFormHlav& form);
    void Apply(const MonitorDisplay& display);

  private:
    struct Binding {
        QLabel* label;
        LabelState MonitorDisplay::*state;
    };
    std::vector<Binding> labels_;
    QLabel* tests_[8];
    QProgressBar* rpmGauge_;
    QProgressBar* tpsGauge_;
    QLabel* version_;
    QLabel* eeDataError_;
    QLabel* servoDesired_;
    QLabel* servoMeasured_;
};

} // namespace kx
