#include "ui/layout/FormLayout.h"
#include "ui/layout/LayoutHelpers.h"
#include "ui/widgets/FittingLabel.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace kx {

namespace {

QProgressBar* AddGauge(QVBoxLayout* column, const char* name, int maximum, const QColor& chunk,
                       bool withText) {
    auto* gauge = new QProgressBar(column->parentWidget());
    gauge->setObjectName(name);
    gauge->setRange(0, maximum);
    gauge->setValue(0);
    gauge->setTextVisible(withText);
    gauge->setFormat("%p%");
    gauge->setAlignment(Qt::AlignCenter);
    // As large as the column lets it be, from the design size up to the window's zoom of it.
    gauge->setMinimumSize(kGaugeSize);
    gauge->setMaximumSize(kGaugeSize);
    gauge->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    if (chunk.isValid()) {
        QPalette palette = gauge->palette();
        palette.setColor(QPalette::Highlight, chunk);
        // The styles draw the percentage over the chunk in the highlighted-text colour, white
        // in most themes, which does not read on aqua.
        palette.setColor(QPalette::HighlightedText, Qt::black);
        gauge->setPalette(palette);
    }
    KeepPlaceWhenHidden(gauge);
    column->addWidget(gauge);
    return gauge;
}

FittingLabel* AddLabel(QVBoxLayout* column, const char* name, const char* text, int pixels,
                       bool bold, bool visible = true) {
    auto* label = new FittingLabel(text, column->parentWidget());
    label->setObjectName(name);
    label->setMaximumWidth(kMonitorColumnWidth);
    SetPixelFont(label, pixels, bold);
    // The live view paints states into the background through the palette.
    label->setAutoFillBackground(true);
    KeepPlaceWhenHidden(label);
    label->setVisible(visible);
    column->addWidget(label, 0, Qt::AlignLeft);
    return label;
}

} // namespace

QWidget* BuildMonitorColumn(QWidget* parent, MonitorControls& monitor) {
    auto* panel = new QWidget(parent);
    panel->setObjectName("MonitorColumn");
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(5);

    monitor.rpm = AddLabel(column, "LabelRpm", "RPM = ---", 19, true);
    monitor.rpmGauge = AddGauge(column, "CGaugeRpm", 100, QColor(255, 0, 255), false);
    monitor.tps = AddLabel(column, "LabelTpsMon", "TP= --- [%]", 19, true);
    monitor.tpsGauge = AddGauge(column, "CGaugeTps", 100, QColor(), false);
    monitor.advance[0] = AddLabel(column, "LabelAdvance1", "ADVANCE = --- [\u00B0]", 16, true);
    monitor.advance[1] =
        AddLabel(column, "LabelAdvance2", "ADVANCE 2 = --- [\u00B0]", 16, true, false);
    monitor.pickups[0] = AddLabel(column, "LabelMonSnimac1", "Snimac 1 = --- ", 16, false);
    monitor.pickups[1] = AddLabel(column, "LabelMonSnimac2", "Snimac 2 = --- ", 16, false);
    monitor.voltage = AddLabel(column, "LabelNapeti", "U = --- [V]", 19, true);
    monitor.servoDesired = AddLabel(column, "LabelPriveraPoz", "Throtle Des. = ---", 16, false);
    monitor.servoMeasured = AddLabel(column, "LabelPriveraMer", "Throtle Meas. = ---", 16, false);
    monitor.blocking = AddLabel(column, "LabelBlocking1", "Blocking = --", 16, false);
    monitor.pilotLight = AddLabel(column, "LabelMonPilotLight", "Pilot Light = --", 16, false);
    monitor.clutch = AddLabel(column, "LabelClutchMon", "Clutch master= ---", 16, false);
    monitor.retard = AddLabel(column, "LabelMonRetard", "Retard = --", 16, false);
    monitor.startLimiter = AddLabel(column, "LabelMonStartLimiterOut", "Limiter 1 = --", 16, false);
    monitor.killSwitch = AddLabel(column, "LabelKillSwitch", "Kill switch = ---", 16, false);
    column->addSpacing(6);
    FittingLabel* message = AddLabel(column, "LabelHlaseni", "Programming:", 13, true, false);
    // One line as wide as the column: a status text that wraps is cut off at top and bottom.
    // The print heading, with its date and time, is the longest caption it gets.
    message->setMinimumWidth(kMonitorColumnWidth);
    column->setAlignment(message, Qt::Alignment());
    message->setSmallestScale(0.6);
    QPalette palette = message->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    message->setPalette(palette);
    monitor.message = message;
    monitor.programGauge = AddGauge(column, "CGaugeProgram", 2, QColor(0, 255, 255), true);
    // The curves take the height the live values leave, when they are shown.
    auto* curves = new QWidget(panel);
    curves->setObjectName("CurveArea");
    curves->setMinimumHeight(kCurveAreaHeight);
    (new QVBoxLayout(curves))->setContentsMargins(0, 4, 0, 0);
    curves->hide();
    column->addWidget(curves, 1);
    monitor.curveArea = curves;
    column->addStretch();
    return panel;
}

} // namespace kx
