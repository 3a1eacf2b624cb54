#include "app/OperatingPointMarker.h"

#include "ui/FormHlav.h"

#include <QLabel>
#include <QLineEdit>

namespace kx {

namespace {

void SetColour(QWidget* control, QPalette::ColorRole role, const QColor& wanted) {
    if (control->palette().color(role) == wanted)
        return;
    QPalette palette = control->palette();
    palette.setColor(role, wanted);
    control->setPalette(palette);
}

QColor Lime() {
    return TFormHlav::ColourOf(Colour::Lime, QPalette());
}

// Edits are marked in their text background, labels in their own background.
void SetMark(QLineEdit* edit, bool marked) {
    SetColour(edit, QPalette::Base,
              marked ? Lime() : TFormHlav::ColourOf(Colour::Window, QPalette()));
}
void SetMark(QLabel* label, bool marked) {
    SetColour(label, QPalette::Window,
              marked ? Lime() : TFormHlav::ColourOf(Colour::ButtonFace, QPalette()));
}

// The marked edit is lime with the editor's dark digits, whatever the heat map says.
void PaintEdit(QLineEdit* edit, const OperatingPointMarker::CellColours& own, bool marked) {
    const QPalette standard;
    const bool coloured = own.background.isValid() && !marked;
    SetColour(edit, QPalette::Base,
              marked     ? Lime()
              : coloured ? own.background
                         : TFormHlav::ColourOf(Colour::Window, standard));
    SetColour(edit, QPalette::Text, coloured ? own.text : standard.color(QPalette::Text));
}

bool IsMapCell(const OperatingPoint& point) {
    return !point.rpmBelowAxis;
}

} // namespace

void OperatingPointMarker::Mark(const OperatingPoint& point) {
    if (marked_ && *marked_ == point)
        return;
    if (marked_) {
        Paint(*marked_, false);
    } else {
        // First tick: bring every control to its unmarked colour once.
        for (size_t i = 0; i < kAxisPoints; ++i) {
            for (QLineEdit* edit : {advance_.axis[i].edit, servo_.rpm[i].edit})
                SetMark(edit, false);
            SetMark(advance_.rowLabels[i], false);
            PaintServoPosition(int(i), false);
        }
        for (int cell = 0; cell < kMapRows * kMapColumns; ++cell)
            PaintCell(cell, false);
    }
    Paint(point, true);
    marked_ = point;
}

void OperatingPointMarker::SetMapColours(const MapColours& colours) {
    mapColours_ = colours;
    const int markedCell =
        marked_ && IsMapCell(*marked_) ? MapIndex(marked_->tpsRow, marked_->rpmColumn) : -1;
    for (int cell = 0; cell < kMapRows * kMapColumns; ++cell)
        PaintCell(cell, cell == markedCell);
}

void OperatingPointMarker::SetServoColours(const ServoColours& colours) {
    servoColours_ = colours;
    for (int i = 0; i < kAxisPoints; ++i)
        PaintServoPosition(i, marked_ && marked_->servoColumn == i);
}

void OperatingPointMarker::Paint(const OperatingPoint& point, bool marked) {
    if (IsMapCell(point)) {
        SetMark(advance_.axis[point.rpmColumn].edit, marked);
        PaintCell(MapIndex(point.tpsRow, point.rpmColumn), marked);
    }
    SetMark(advance_.rowLabels[point.tpsRow], marked);
    SetMark(servo_.rpm[point.servoColumn].edit, marked);
    PaintServoPosition(point.servoColumn, marked);
}

void OperatingPointMarker::PaintCell(int index, bool marked) {
    PaintEdit(advance_.cells[size_t(index)].edit, mapColours_[size_t(index)], marked);
}

void OperatingPointMarker::PaintServoPosition(int index, bool marked) {
    PaintEdit(servo_.mv[size_t(index)].edit, servoColours_[size_t(index)], marked);
}

} // namespace kx
