#pragma once

#include "config/ConfigBlock.h"
#include "link/EngineTrace.h"

#include <QTableWidget>

#include <cstdint>

namespace kx {

// The advance map's cells as a grid of the time a log spent in each: the throttle rows with
// 100 % at the top as the main window's map has them, the speed columns of the record, every
// cell in the heat colour of its time, and the cell of the viewer's cursor in the live
// marking's lime.
class DwellGrid : public QTableWidget {
  public:
    explicit DwellGrid(QWidget* parent);

    void SetLanguage(uint8_t languageIndex);
    void SetSpeedAxis(const ConfigBlock& block);
    void SetDwell(const CellDwell& dwell);
    // -1 marks none.
    void SetMarkedCell(int cell);

    // The table's item showing a map cell (MapIndex).
    QTableWidgetItem* itemOfCell(int cell) const;

  private:
    void PaintCell(int cell);
    void Refill();

    CellDwell dwell_;
    int rpm_[kMapColumns] = {};
    int marked_ = -1;
    uint8_t languageIndex_ = 0;
};

// "<1 s", "12 s", "3:05" or "1:02:03".
QString ShortDuration(uint32_t ms);

} // namespace kx
