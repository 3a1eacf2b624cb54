#pragma once

#include <QWidget>

namespace kx {

// The outline of the selected map cells, drawn over them: a dark line with a light one inside,
// so it stands out on every heat colour and on the live mark, whose colours it leaves as they
// are. Clicks go through it to the cells.
class SelectionFrame : public QWidget {
  public:
    explicit SelectionFrame(QWidget* parent);
    // Outlines this rectangle of the parent.
    void Surround(const QRect& cells);

    static constexpr int kWidth = 3; // pixels outside the cells

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kx
