#pragma once

#include "config/AppChoices.h"
#include "present/Display.h"
#include "ui/layout/FormControls.h"

#include <QMainWindow>

#include <array>

class QAction;
class QCloseEvent;
class QLabel;
class QProgressBar;

namespace kx {

// The main window. It holds the controls and shows states handed to it; what the controls do is
// decided by the form controller.
class TFormHlav : public QMainWindow {
    Q_OBJECT

  public:
    static constexpr int kControlTableSize = 326;
    static constexpr int kSpinnerOffset = 138; // a spinner sits this far after its edit

    explicit TFormHlav(QWidget* parent = nullptr);

    // The controls behaviour reaches, typed; they live as long as the window.
    const FormControls& controls() const { return controls_; }

    // Fills the ControlTable in the record's own order and creates the twenty port items under
    // MenuCom, which are its entries 0 .. 19.
    void FillControlTable();
    QObject* ControlTable(int index) const { return controlTable_.at(size_t(index)); }
    QAction* ComItem(int portIndex) const;
    // The screen is smaller than the design size: the compact arrangement whatever the size.
    void KeepCompact();
    // Moves the focus on as the Tab key does.
    void FocusNextControl() { focusNextChild(); }

    // Caption and background of a label; the palette is touched only when the colour changes.
    static void ApplyLabel(QLabel* label, const LabelState& state);
    // Value of a gauge, painted later with the rest of the window: QProgressBar::setValue repaints
    // at once, and with the bar whatever lies under it, in the middle of the tick.
    static void ApplyGauge(QProgressBar* gauge, int value);
    static QColor ColourOf(Colour colour, const QPalette& palette);

  signals:
    // Asked before the window closes; a handler that ignores the event keeps the window open.
    void closeRequested(QCloseEvent* event);
    // The window closes now.
    void closing();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // A window made larger than its design size shows the map, the servo table and the live
    // values larger, in proportion.
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    FormControls controls_;
    void ApplyWindowSize();

    bool keepCompact_ = false;
    bool compact_ = false;
    int compactFixedHeight_ = 0; // the height of all but the pages in the compact arrangement
    double zoom_ = 1.0;          // of the window
    double pagesZoom_ = 1.0;     // of the map and the servo table, as far as the pages have grown
    std::array<QObject*, kControlTableSize> controlTable_{};
};

} // namespace kx
