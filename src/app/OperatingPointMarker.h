#pragma once

#include "link/OperatingPoint.h"
#include "ui/layout/FormControls.h"

#include <optional>

namespace kx {

// Paints the live operating point green: the map cell with its axis edit and row label, and the
// servo column. Runs every tick, so it recolours only the controls whose mark moved.
class OperatingPointMarker {
  public:
    // The controls outlive the marker.
    OperatingPointMarker(const AdvancePage& advance, const ServoPage& servo)
        : advance_(advance), servo_(servo) {}
    void Mark(const OperatingPoint& point);

  private:
    void Paint(const OperatingPoint& point, bool marked);

    const AdvancePage& advance_;
    const ServoPage& servo_;
    std::optional<OperatingPoint> marked_;
};

} // namespace kx
