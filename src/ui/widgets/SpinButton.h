#pragma once

#include <QWidget>

namespace kx {

// Two arrow buttons side by side under a map column: one degree more or less for that column.
class SpinButton : public QWidget {
    Q_OBJECT

  public:
    explicit SpinButton(QWidget* parent = nullptr);

  signals:
    void upClicked();
    void downClicked();
};

} // namespace kx
