#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace kx {

// The up-down half of a spin field: two small arrows holding a position within a range. The
// position is the value; the associated edit only shows it. Setting the position from code never
// emits clicked(), so showing a record starts no edit handling.
class UpDown : public QWidget {
    Q_OBJECT

  public:
    explicit UpDown(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    void setIncrement(int increment) { increment_ = increment; }
    // Digit grouping in the edit (15,000 rpm); off for the map cells.
    void setThousands(bool thousands) { thousands_ = thousands; }
    // The edit this up-down writes its position into; Up and Down keys there step it too.
    void setAssociate(QLineEdit* edit);
    QLineEdit* associate() const { return edit_; }

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int increment() const { return increment_; }
    int position() const { return position_; }
    // Clamps to the range and rewrites the edit from the new position.
    void setPosition(int position);
    // Takes a whole number typed in the edit as the position when it lies within the range;
    // anything else leaves the position as it was.
    void takeEditText();
    QString formatted(int value) const;
    // The edit shows something else than the position: typing not yet taken.
    bool editPending() const;

    // As a click on an arrow: one increment within the range, then clicked().
    void step(int direction);

    // Arrows this many times their design size, for a window made larger.
    void setZoom(double zoom);

  signals:
    void clicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QToolButton* up_;
    QToolButton* down_;
    QLineEdit* edit_ = nullptr;
    int minimum_ = 0;
    int maximum_ = 100;
    int increment_ = 1;
    int position_ = 0;
    bool thousands_ = true;
};

} // namespace kx
