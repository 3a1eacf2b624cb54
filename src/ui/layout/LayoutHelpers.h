#pragma once

// Shared by the region builders of the main window; not part of the public layout API.

#include "ui/layout/FormControls.h"

#include <QString>

class QBoxLayout;
class QLabel;
class QMainWindow;
class QPushButton;
class QTabWidget;
class QWidget;

namespace kx {

// Height shared by edits and their up-downs so a spin field reads as one control.
constexpr int kFieldHeight = 20;
constexpr int kWindowFontPixels = 11; // "MS Sans Serif", 11 pixels high, unless a control says

// The edit and up-down of the spin field `name` from the field table, both children of
// `parent`, with range, increment, grouping and start position taken from the table, entered in
// `controls.spinFields`. The edit is `editWidth` wide; geometry beyond that is the caller's.
SpinField MakeSpinField(FormControls& controls, const char* name, QWidget* parent, int editWidth);
// The pair side by side, for a box layout or, aligned left, a grid cell.
QBoxLayout* SpinRow(const SpinField& field);

QLabel* MakeLabel(const char* name, const QString& text, QWidget* parent);
// Mouse-bound when the record table says so, or when `mouseBound` is forced. A box the record
// table lists is entered in `controls.checkFields`.
QCheckBox* MakeCheckBox(FormControls& controls, const char* name, const QString& text,
                        QWidget* parent, bool mouseBound = false);
QPushButton* MakeButton(const char* name, const QString& text, QWidget* parent);
void SetPixelFont(QWidget* widget, int pixels, bool bold);
// A hint is "short|long": the short part is the tooltip, the long part goes to the status bar;
// without a bar the text serves both. For widgets and actions alike.
template <class Target>
void SetHint(Target* target, const QString& hint) {
    const qsizetype bar = hint.indexOf('|');
    target->setToolTip(bar < 0 ? hint : hint.left(bar));
    target->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}
// Keeps a widget's place in its layout while the view rules hide it, so nothing shifts.
void KeepPlaceWhenHidden(QWidget* widget);

void BuildMenu(QMainWindow* form, FrameControls& frame);
QWidget* BuildToolBar(QWidget* parent, FrameControls& frame);
QWidget* BuildMonitorColumn(QWidget* parent, MonitorControls& monitor);
QWidget* BuildPageMiscellaneous(QTabWidget* pages, FormControls& controls);
QWidget* BuildPageBike(QTabWidget* pages, FormControls& controls);
QWidget* BuildPageAdvance(QTabWidget* pages, FormControls& controls);
QWidget* BuildPageServo(QTabWidget* pages, FormControls& controls);

} // namespace kx
