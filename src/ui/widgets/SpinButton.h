#pragma once

#include <QWidget>

namespace kx {

// Two arrow buttons side by side under a map column: one degree more or less for that column.
class SpinButton : public QWidget {
    Q_OBJECT

  public:
    explicit SpinButton(QWidget* parent = nullptr);

    // Arrows this many times their design size, for a window made larger.
    void setZoom(double zoom);

  signals:
    void upClicked();
    void downClicked();
};

} // namespace kx
