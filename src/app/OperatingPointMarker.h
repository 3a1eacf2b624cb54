#pragma once

#include "link/OperatingPoint.h"

#include <optional>

class QWidget;

namespace kx {

class TFormHlav;

// Paints the live operating point green: the map cell with its axis edit and row label, and the
// servo column. Runs every tick, so it recolours only the controls whose mark moved.
class OperatingPointMarker {
  public:
    explicit OperatingPointMarker(TFormHlav& form);
    void Mark(const OperatingPoint& point);

  private:
    void Paint(const OperatingPoint& point, bool marked);

    QWidget* axis_[kMapColumns];
    QWidget* rowLabels_[kMapRows];
    QWidget* cells_[kMapRows * kMapColumns];
    QWidget* servoRpm_[kAxisPoints];
    QWidget* servoMv_[kAxisPoints];
    std::optional<OperatingPoint> marked_;
};

} // namespace kx
