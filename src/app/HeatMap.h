#pragma once

#include "config/ConfigBlock.h"

#include <array>
#include <optional>

namespace kx {

class OperatingPointMarker;

// Colours the advance map by its values, on the scale of the rows in use (all ten with the
// throttle rows, else the 100 % row), and hands the colours to the marker, which paints every
// cell the live operating point is not on.
class HeatMap {
  public:
    explicit HeatMap(OperatingPointMarker& marker) : marker_(marker) {}
    // Cheap when neither the map nor the switch changed: it runs after every edit.
    void Show(const ConfigBlock& block, bool shown);

  private:
    using Map = std::array<uint8_t, kMapRows * kMapColumns>;

    OperatingPointMarker& marker_;
    std::optional<Map> shownMap_; // what the colours show; nothing while switched off
    bool shownRows_ = false;
};

} // namespace kx
