#pragma once

#include "link/EngineTrace.h"
#include "link/OperatingPoint.h"
#include "ui/layout/FormControls.h"

#include <QObject>

#include <optional>

namespace kx {

class TraceOverlay;

// Where the engine ran this session, on the advance map: the trail of its last cells and the
// time it spent in each. The times are kept whether shown or not, so switching them on shows
// the whole session; they start again from the menu.
class TraceView : public QObject {
  public:
    // The controls outlive the view.
    explicit TraceView(const AdvancePage& advance);

    // Every tick, counted as one tick period in the live cell: a window held up by a dialog
    // adds no time. Only live data counts, and only while the engine is on the map.
    void Tick(const OperatingPoint& point, bool dataCurrent);
    // After the switches or the view rules changed.
    void Show(bool trail, bool dwell, bool printView);
    void ResetDwell();

    const CellTrail& trail() const { return trail_; }
    const CellDwell& dwell() const { return dwell_; }

  private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void DrawTrail();
    void DrawDwell();
    // Where a cell's edit is on the map, or nothing while its row is hidden.
    std::optional<QRect> CellRect(int cell) const;

    const AdvancePage& advance_;
    TraceOverlay* overlay_;
    CellTrail trail_;
    CellDwell dwell_;
    int ticksSinceBars_ = 0;
    bool trailShown_ = false;
    bool dwellShown_ = false;
};

} // namespace kx
