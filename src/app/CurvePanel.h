#pragma once

#include "config/ConfigBlock.h"
#include "link/MonitorTelegram.h"
#include "ui/layout/FormControls.h"

#include <array>
#include <optional>

namespace kx {

class CurveChart;

// The curves in the live column: the advance map's rows in use over engine speed, on the servo
// page the servo table, with a dot where the engine runs. The chart is made when first shown,
// so a window that never shows it starts as fast as before.
class CurvePanel {
  public:
    // The controls outlive the panel.
    explicit CurvePanel(const FormControls& controls) : controls_(controls) {}

    // After every change of the record, the page or the language; cheap when none changed.
    void Show(const ConfigBlock& block, bool shown, uint8_t languageIndex);
    // Every tick: the dot follows the engine while live data comes in.
    void MarkLive(const LiveValues& live, const MonitorState& monitor, bool dataCurrent);

  private:
    struct Drawn {
        std::array<uint8_t, kMapRows * kMapColumns> advance;
        std::array<uint8_t, kAxisPoints> rpmAdv;
        std::array<uint8_t, kAxisPoints> servoRpm;
        std::array<uint8_t, kAxisPoints> servoMv;
        bool allRows;
        bool servo; // the servo table, not the map
        uint8_t languageIndex;
        bool operator==(const Drawn& o) const;
    };
    bool OnServoPage() const;

    const FormControls& controls_;
    CurveChart* chart_ = nullptr;
    std::optional<Drawn> drawn_;
};

} // namespace kx
