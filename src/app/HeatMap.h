#pragma once

#include "config/ConfigBlock.h"

#include <array>
#include <optional>

namespace kx {

class OperatingPointMarker;

// Colours the advance map by its values, on the scale of the rows in use (all ten with the
// throttle rows, else the 100 % row), and the servo table's positions on a scale of their own,
// and hands the colours to the marker, which paints every cell the live operating point is not
// on.
class HeatMap {
  public:
    explicit HeatMap(OperatingPointMarker& marker) : marker_(marker) {}
    // Cheap when neither the map nor the switch changed: it runs after every edit.
    void Show(const ConfigBlock& block, bool shown);

  private:
    struct Shown {
        std::array<uint8_t, kMapRows * kMapColumns> map;
        std::array<uint8_t, kAxisPoints> servo;
        bool allRows;
        bool operator==(const Shown& o) const {
            return map == o.map && servo == o.servo && allRows == o.allRows;
        }
    };

    OperatingPointMarker& marker_;
    std::optional<Shown> shown_; // what the colours show; nothing while switched off
};

} // namespace kx
