#include "app/OperatingPointMarker.h"

#include "ui/FormHlav.h"

namespace kx {

namespace {

// ControlTable entries of the marked controls.
constexpr int kRowLabels = 40;
constexpr int kAxisEdits = 58;
constexpr int kCellEdits = 68;
constexpr int kServoRpmEdits = 168;
constexpr int kServoMvEdits = 178;

// Edits are marked in their text background, labels in their own background.
void SetMark(QWidget* control, bool marked) {
    const QPalette::ColorRole role =
        control->inherits("QLineEdit") ? QPalette::Base : QPalette::Window;
    const Colour normal = role == QPalette::Base ? Colour::Window : Colour::ButtonFace;
    const QColor wanted = TFormHlav::ColourOf(marked ? Colour::Lime : normal, QPalette());
    if (control->palette().color(role) == wanted)
        return;
    QPalette palette = control->palette();
    palette.setColor(role, wanted);
    control->setPalette(palette);
}

} // namespace

OperatingPointMarker::OperatingPointMarker(TFormHlav& form) {
    auto at = [&form](int index) { return qobject_cast<QWidget*>(form.ControlTable(index)); };
    for (int i = 0; i < kAxisPoints; ++i) {
        axis_[i] = at(kAxisEdits + i);
        rowLabels_[i] = at(kRowLabels + i);
        servoRpm_[i] = at(kServoRpmEdits + i);
        servoMv_[i] = at(kServoMvEdits + i);
    }
    for (int i = 0; i < kMapRows * kMapColumns; ++i)
        cells_[i] = at(kCellEdits + i);
}

void OperatingPointMarker::Mark(const OperatingPoint& point) {
    if (marked_ && *marked_ == point)
        return;
    if (marked_) {
        Paint(*marked_, false);
    } else {
        // First tick: bring every control to its unmarked colour once.
        for (int i = 0; i < kAxisPoints; ++i) {
            for (QWidget* control : {axis_[i], rowLabels_[i], servoRpm_[i], servoMv_[i]})
                SetMark(control, false);
        }
        for (QWidget* cell : cells_)
            SetMark(cell, false);
    }
    Paint(point, true);
    marked_ = point;
}

void OperatingPointMarker::Paint(const OperatingPoint& point, bool marked) {
    if (!point.rpmBelowAxis) {
        SetMark(axis_[point.rpmColumn], marked);
        SetMark(cells_[MapIndex(point.tpsRow, point.rpmColumn)], marked);
    }
    SetMark(rowLabels_[point.tpsRow], marked);
    SetMark(servoRpm_[point.servoColumn], marked);
    SetMark(servoMv_[point.servoColumn], marked);
}

} // namespace kx
