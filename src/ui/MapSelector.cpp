#include "ui/MapSelector.h"

#include "ui/widgets/SelectionFrame.h"
#include "ui/widgets/UpDown.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>

namespace kx {

MapSelector::MapSelector(const AdvancePage& advance, QObject* parent)
    : QObject(parent), advance_(advance), outline_(new SelectionFrame(advance.group)) {
    outline_->hide();
    for (int row = 0; row < kMapRows; ++row) {
        for (int column = 0; column < kMapColumns; ++column) {
            QLineEdit* edit = advance.cells[size_t(MapIndex(row, column))].edit;
            cellOf_.insert(edit, {row, column});
            edit->installEventFilter(this);
        }
    }
}

std::optional<CellRange> MapSelector::selection() const {
    if (!anchor_)
        return std::nullopt;
    return CellRange::Spanning(anchor_->row, anchor_->column, end_.row, end_.column);
}

void MapSelector::Select(const CellRange& range) {
    SetCorners(Shown({range.firstRow, range.firstColumn}),
               Shown({range.lastRow, range.lastColumn}));
}

void MapSelector::SelectAll() {
    SetCorners({FirstRow(), 0}, {kMapRows - 1, kMapColumns - 1});
}

void MapSelector::SetAllRowsShown(bool allRows) {
    if (allRows == allRows_)
        return;
    allRows_ = allRows;
    if (anchor_)
        SetCorners(Shown(*anchor_), Shown(end_));
}

void MapSelector::SetOutlineShown(bool shown) {
    if (shown == outlineShown_)
        return; // asked after every edit: the outline stays where it is
    outlineShown_ = shown;
    PlaceOutline();
}

MapSelector::Cell MapSelector::Shown(Cell cell) const {
    cell.row = std::clamp(cell.row, FirstRow(), kMapRows - 1);
    cell.column = std::clamp(cell.column, 0, kMapColumns - 1);
    return cell;
}

void MapSelector::SetCorners(const Cell& anchor, const Cell& end) {
    const std::optional<CellRange> before = selection();
    anchor_ = anchor;
    end_ = end;
    PlaceOutline();
    if (selection() != before)
        emit selectionChanged();
}

void MapSelector::PlaceOutline() {
    const std::optional<CellRange> range = selection();
    if (!range || !outlineShown_) {
        outline_->hide();
        return;
    }
    const SpinField& first = advance_.cells[size_t(MapIndex(range->firstRow, range->firstColumn))];
    const SpinField& last = advance_.cells[size_t(MapIndex(range->lastRow, range->lastColumn))];
    outline_->Surround(first.edit->geometry().united(last.upDown->geometry()));
    outline_->show();
}

std::optional<MapSelector::Cell> MapSelector::CellAt(const QPoint& globalPosition) const {
    const QPoint inGroup = advance_.group->mapFromGlobal(globalPosition);
    for (auto it = cellOf_.cbegin(); it != cellOf_.cend(); ++it) {
        const SpinField& field = advance_.cells[size_t(MapIndex(it->row, it->column))];
        if (it->row >= FirstRow() && field.edit->isVisible() &&
            field.edit->geometry().united(field.upDown->geometry()).contains(inGroup))
            return *it;
    }
    return std::nullopt;
}

bool MapSelector::IsShortcutKey(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    // "+" and "*" come with shift on many keyboards, and from the keypad.
    const Qt::KeyboardModifiers plain = key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    const QKeySequence unshifted(QKeyCombination(plain, Qt::Key(key.key())));
    return std::any_of(shortcutKeys_.cbegin(), shortcutKeys_.cend(),
                       [&](const QKeySequence& k) { return k == pressed || k == unshifted; });
}

bool MapSelector::KeyPressed(const Cell& cell, const QKeyEvent& key) {
    int rows = 0;
    int columns = 0;
    switch (key.key()) {
    case Qt::Key_Up:
        rows = -1;
        break;
    case Qt::Key_Down:
        rows = 1;
        break;
    case Qt::Key_Left:
        columns = -1;
        break;
    case Qt::Key_Right:
        columns = 1;
        break;
    case Qt::Key_Escape:
        SetCorners(cell, cell);
        return false;
    default:
        return false;
    }
    // Without shift the arrows keep their meaning in the cell: Up and Down step its value.
    if (!(key.modifiers() & Qt::ShiftModifier))
        return false;
    SetCorners(anchor_.value_or(cell), Shown({end_.row + rows, end_.column + columns}));
    return true;
}

bool MapSelector::eventFilter(QObject* watched, QEvent* event) {
    const auto found = cellOf_.constFind(watched);
    if (found == cellOf_.cend())
        return false;
    const Cell cell = *found;
    switch (event->type()) {
    case QEvent::FocusIn: {
        // Back from a menu, a dialog or another window the block stays as it was; a click
        // decides for itself when its press arrives, just after the focus.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
            reason != Qt::MouseFocusReason)
            SetCorners(cell, cell);
        break;
    }
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool inside = selection() && selection()->contains(cell.row, cell.column);
        if (mouse->button() == Qt::RightButton && inside)
            return true; // the menu acts on the whole block
        if (mouse->button() == Qt::LeftButton && (mouse->modifiers() & Qt::ShiftModifier)) {
            SetCorners(anchor_.value_or(cell), cell);
            return true; // no text cursor placed
        }
        dragging_ = mouse->button() == Qt::LeftButton;
        SetCorners(cell, cell);
        break;
    }
    case QEvent::MouseMove:
        if (dragging_ && anchor_) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (const auto under = CellAt(mouse->globalPosition().toPoint()))
                SetCorners(*anchor_, *under);
        }
        break;
    case QEvent::MouseButtonRelease:
        dragging_ = false;
        break;
    case QEvent::ContextMenu:
        emit menuRequested(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    case QEvent::ShortcutOverride:
        // Not taken by the edit, the key goes on to the window's shortcuts.
        return IsShortcutKey(*static_cast<QKeyEvent*>(event));
    case QEvent::KeyPress:
        return KeyPressed(cell, *static_cast<QKeyEvent*>(event));
    case QEvent::Move:
    case QEvent::Resize:
        if (const auto range = selection(); range && (range->contains(cell.row, cell.column)))
            PlaceOutline();
        break;
    default:
        break;
    }
    return false;
}

} // namespace kx
