#include "ui/FormHlav.h"

#include "link/PortNames.h"
#include "ui/layout/FormLayout.h"
#include "ui/widgets/UpDown.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QResizeEvent>

namespace kx {

TFormHlav::TFormHlav(QWidget* parent) : QMainWindow(parent) {
    setObjectName("FormHlav");
    controls_ = BuildFormLayout(this);
    controls_.frame.pages->installEventFilter(this);
    ensurePolished();
    ArrangeCompact(controls_.frame, true);
    compactFixedHeight_ = minimumSizeHint().height() - kPagesHeight;
    ArrangeCompact(controls_.frame, false);
}

void TFormHlav::KeepCompact() {
    keepCompact_ = true;
    ApplyWindowSize();
}

void TFormHlav::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    ApplyWindowSize();
}

void TFormHlav::ApplyWindowSize() {
    // A window made larger puts the emblem into the tool bar's row, which gives the pages the
    // most height to grow into.
    const double zoom = ZoomForWindowSize(size(), compactFixedHeight_);
    const bool compact = keepCompact_ || zoom > 1.0;
    if (compact != compact_) {
        compact_ = compact;
        ArrangeCompact(controls_.frame, compact);
    }
    if (zoom != zoom_) {
        zoom_ = zoom;
        ZoomWindow(controls_, zoom);
    }
}

bool TFormHlav::eventFilter(QObject* watched, QEvent* event) {
    if (watched == controls_.frame.pages && event->type() == QEvent::Resize) {
        const double zoom = ZoomForPagesSize(static_cast<QResizeEvent*>(event)->size());
        if (zoom != pagesZoom_) {
            pagesZoom_ = zoom;
            ZoomPages(controls_, zoom);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFormHlav::FillControlTable() {
    for (int i = 0; i < kPortCount; ++i) {
        QAction* item = controls_.frame.comMenu->addAction(QString::fromStdString(PortCaption(i)));
        item->setObjectName(QString("MenuCom%1").arg(i + 1));
        item->setCheckable(true);
        controlTable_[size_t(i)] = item;
    }
    auto put = [this](int index, QObject* control) { controlTable_[size_t(index)] = control; };
    auto putSpin = [&put](int index, const SpinField& field) {
        put(index, field.edit);
        put(index + kSpinnerOffset, field.upDown);
    };
    // Groups of four have room for four output channels; two are built.
    for (int c = 0; c < 2; ++c) {
        const LobeChannel& channel = controls_.bike.channels[size_t(c)];
        put(20 + c, channel.maximumAdvance.secondEdge);
        put(24 + c, channel.startAdvance.secondEdge);
        put(28 + c, channel.maximumAdvance.secondPickup);
        put(32 + c, channel.startAdvance.secondPickup);
        put(36 + c, controls_.monitor.advance[size_t(c)]);
        putSpin(50 + c, channel.maximumAdvance.lobe);
        putSpin(54 + c, channel.startAdvance.lobe);
    }
    for (int i = 0; i < kAxisPoints; ++i) {
        put(40 + i, controls_.advance.rowLabels[size_t(i)]);
        putSpin(58 + i, controls_.advance.axis[size_t(i)]);
        putSpin(168 + i, controls_.servo.rpm[size_t(i)]);
        putSpin(178 + i, controls_.servo.mv[size_t(i)]);
    }
    for (int i = 0; i < kMapRows * kMapColumns; ++i)
        putSpin(68 + i, controls_.advance.cells[size_t(i)]);
}

QAction* TFormHlav::ComItem(int portIndex) const {
    return qobject_cast<QAction*>(ControlTable(portIndex));
}

QColor TFormHlav::ColourOf(Colour colour, const QPalette& palette) {
    switch (colour) {
    case Colour::ButtonFace:
        return palette.color(QPalette::Button);
    case Colour::Window:
        return palette.color(QPalette::Base);
    case Colour::White:
        return Qt::white;
    case Colour::Red:
        return QColor(255, 0, 0);
    case Colour::Yellow:
        return QColor(255, 255, 0);
    case Colour::Lime:
        return QColor(0, 255, 0);
    case Colour::Fuchsia:
        return QColor(255, 0, 255);
    case Colour::Aqua:
        return QColor(0, 255, 255);
    }
    return palette.color(QPalette::Button);
}

void TFormHlav::ApplyLabel(QLabel* label, const LabelState& state) {
    const QString caption = QString::fromStdString(state.caption);
    if (label->text() != caption)
        label->setText(caption);
    const QColor colour = ColourOf(state.colour, label->palette());
    if (label->palette().color(QPalette::Window) != colour) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, colour);
        label->setPalette(palette);
    }
}

void TFormHlav::ApplyGauge(QProgressBar* gauge, int value) {
    if (gauge->value() == value)
        return;
    gauge->setUpdatesEnabled(false);
    gauge->setValue(value);
    gauge->setUpdatesEnabled(true); // schedules the paint
}

void TFormHlav::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closeRequested(event);
    if (event->isAccepted())
        emit closing();
}

} // namespace kx
