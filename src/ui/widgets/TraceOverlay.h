#pragma once

#include <QRect>
#include <QWidget>

#include <vector>

namespace kx {

// Drawn over the advance map, leaving the cells' own colours and digits as they are: rings round
// the cells the engine ran in last, fading with age, and along the foot of each cell a bar as
// long as its share of the longest time the engine spent in a cell. Clicks go through to the
// cells.
class TraceOverlay : public QWidget {
  public:
    struct Dwell {
        QRect cell;
        double share; // 0..1 of the longest time
    };

    explicit TraceOverlay(QWidget* parent);
    // Newest first.
    void SetTrail(std::vector<QRect> cells);
    void SetDwell(std::vector<Dwell> cells);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<QRect> trail_;
    std::vector<Dwell> dwell_;
};

} // namespace kx
