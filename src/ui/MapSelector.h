#pragma once

#include "config/MapBlock.h"
#include "ui/layout/FormControls.h"

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPoint>

#include <optional>

class QKeyEvent;

namespace kx {

class SelectionFrame;

// The block of advance map cells the user selected, as a spreadsheet selects: a click or the
// focus arriving in a cell selects that cell, a drag or shift and a click spans a block from it,
// shift and the arrow keys grow and shrink it. The block is outlined over the cells. Only the rows
// the map shows can be selected.
class MapSelector : public QObject {
    Q_OBJECT

  public:
    // The controls outlive the selector.
    explicit MapSelector(const AdvancePage& advance, QObject* parent = nullptr);

    // Nothing before the user first reached a cell.
    std::optional<CellRange> selection() const;
    // Selects the cells of `range` that the map shows, `range`'s first cell taken as the
    // anchor.
    void Select(const CellRange& range);
    void SelectAll();
    // All ten rows, or the 100 % row alone; a selection is cut to the rows shown.
    void SetAllRowsShown(bool allRows);
    // The outline is not printed.
    void SetOutlineShown(bool shown);
    // Keys the cells pass on to the window's shortcuts instead of typing them.
    void SetShortcutKeys(const QList<QKeySequence>& keys) { shortcutKeys_ = keys; }

  signals:
    void selectionChanged();
    // The context menu asked for over a cell, after the cell was selected if it was not.
    void menuRequested(const QPoint& globalPosition);

  private:
    struct Cell {
        int row = 0;
        int column = 0;
    };

    bool eventFilter(QObject* watched, QEvent* event) override;
    bool KeyPressed(const Cell& cell, const QKeyEvent& key);
    bool IsShortcutKey(const QKeyEvent& key) const;
    std::optional<Cell> CellAt(const QPoint& globalPosition) const;
    int FirstRow() const { return allRows_ ? 0 : kMapRows - 1; }
    Cell Shown(Cell cell) const;
    void SetCorners(const Cell& anchor, const Cell& end);
    void PlaceOutline();

    const AdvancePage& advance_;
    SelectionFrame* outline_;
    QHash<const QObject*, Cell> cellOf_;
    std::optional<Cell> anchor_;
    Cell end_;
    bool allRows_ = true;
    bool outlineShown_ = true;
    bool dragging_ = false;
    QList<QKeySequence> shortcutKeys_;
};

} // namespace kx
