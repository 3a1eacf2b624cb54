#include "app/OperatingPointMarker.h"

#include "ui/FormHlav.h"

#include <QLabel>
#include <QLineEdit>

namespace kx {

namespace {

void SetMark(QWidget* control, QPalette::ColorRole role, Colour normal, bool marked) {
    const QColor wanted = TFormHlav::ColourOf(marked ? Colour::Lime : normal, QPalette());
    if (control->palette().color(role) == wanted)
        return;
    QPalette palette = control->palette();
    palette.setColor(role, wanted);
    control->setPalette(palette);
}

// Edits are marked in their text background, labels in their own background.
void SetMark(QLineEdit* edit, bool marked) {
    SetMark(edit, QPalette::Base, Colour::Window, marked);
}
void SetMark(QLabel* label, bool marked) {
    SetMark(label, QPalette::Window, Colour::ButtonFace, marked);
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
            for (QLineEdit* edit : {advance_.axis[i].edit, servo_.rpm[i].edit, servo_.mv[i].edit})
                SetMark(edit, false);
            SetMark(advance_.rowLabels[i], false);
        }
        for (const SpinField& cell : advance_.cells)
            SetMark(cell.edit, false);
    }
    Paint(point, true);
    marked_ = point;
}

void OperatingPointMarker::Paint(const OperatingPoint& point, bool marked) {
    if (!point.rpmBelowAxis) {
        SetMark(advance_.axis[point.rpmColumn].edit, marked);
        SetMark(advance_.cells[size_t(MapIndex(point.tpsRow, point.rpmColumn))].edit, marked);
    }
    SetMark(advance_.rowLabels[point.tpsRow], marked);
    SetMark(servo_.rpm[point.servoColumn].edit, marked);
    SetMark(servo_.mv[point.servoColumn].edit, marked);
}

} // namespace kx
