#pragma once

#include <QCheckBox>

namespace kx {

// A check box whose edits count only when made with the mouse: mouseReleased() follows the
// toggle of a mouse click; toggling it with the keyboard or from code emits nothing, and the
// change is taken with the next reading of the form.
class MouseCheckBox : public QCheckBox {
    Q_OBJECT

  public:
    using QCheckBox::QCheckBox;

  signals:
    void mouseReleased();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QCheckBox::mouseReleaseEvent(event);
        emit mouseReleased();
    }
};

} // namespace kx
