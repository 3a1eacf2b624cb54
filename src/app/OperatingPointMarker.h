#pragma once

#include "link/OperatingPoint.h"
#include "ui/layout/FormControls.h"

#include <QColor>

#include <array>
#include <optional>

namespace kx {

// Paints the live operating point green: the map cell with its axis edit and row label, and the
// servo column. Runs every tick, so it recolours only the controls whose mark moved. A map cell
// or servo position that is not marked shows its own colours: the editor's, or the heat map's.
class OperatingPointMarker {
  public:
    struct CellColours {
        QColor background; // invalid: the editor's own
        QColor text;
    };
    using MapColours = std::array<CellColours, kMapRows * kMapColumns>;
    using ServoColours = std::array<CellColours, kAxisPoints>;

    // The controls outlive the marker.
    OperatingPointMarker(const AdvancePage& advance, const ServoPage& servo)
        : advance_(advance), servo_(servo) {}
    void Mark(const OperatingPoint& point);
    // Repaint every map cell, or servo position, but the marked one at once.
    void SetMapColours(const MapColours& colours);
    void SetServoColours(const ServoColours& colours);

  private:
    void Paint(const OperatingPoint& point, bool marked);
    void PaintCell(int index, bool marked);
    void PaintServoPosition(int index, bool marked);

    const AdvancePage& advance_;
    const ServoPage& servo_;
    std::optional<OperatingPoint> marked_;
    MapColours mapColours_{};
    ServoColours servoColours_{};
};

} // namespace kx
