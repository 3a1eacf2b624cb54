#pragma once

#include "config/ConfigBlock.h"

#include <QColor>
#include <QDialog>

#include <cstdint>
#include <string>

class QLabel;
class QPushButton;
class QTableWidget;

namespace kx {

// One of the two records compared and what the user calls it: "Screen", "Unit", "File x.ign",
// "2026-03-01 10:12:00 program".
struct ComparisonSide {
    std::string label;
    ConfigBlock record{};
};

// Two records side by side, field by field, in the user's units and the window's names.
class ComparisonWindow : public QDialog { // objectName "FormComparison"
    Q_OBJECT

  public:
    explicit ComparisonWindow(QWidget* parent);

    // Both sides field by field in the language: a table (field caption, first value, second
    // value) of every differing field except the map cells, and the advance map as a 10×10 grid
    // (rows by throttle breakpoint, 0 % at the top and 100 % at the bottom as the main window
    // shows the map with its throttle rows on; columns headed by the second record's rpm axis)
    // showing the second's value in each cell; differing cells highlighted (one colour for
    // higher, another for lower) with the difference in degrees ("14 (+2)") and a tooltip
    // "first 12°, second 14°" by the sides' labels. A header line names the sides and says how
    // many fields differ, or that none does.
    void Show(const ComparisonSide& first, const ComparisonSide& second, uint8_t languageIndex);
    int differenceCount() const { return differenceCount_; } // map cells included

    // The backgrounds of a map cell the second side has higher and lower; black text on both
    // reads in light and dark themes alike.
    static QColor HigherColour();
    static QColor LowerColour();

  private:
    void FillMap(const ComparisonSide& first, const ComparisonSide& second);

    QLabel* summary_;
    QTableWidget* fields_;
    QTableWidget* map_;
    QLabel* legend_;
    QPushButton* close_;
    int differenceCount_ = 0;
};

} // namespace kx
