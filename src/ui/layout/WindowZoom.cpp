#include "ui/layout/FormLayout.h"
#include "ui/layout/LayoutHelpers.h"

#include "ui/widgets/FittingLabel.h"
#include "ui/widgets/UpDown.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

#include <algorithm>

namespace kx {

namespace {

constexpr int kServoEditWidth = 46;
constexpr int kFontPixels = 11;
constexpr QSize kServoButtonSize(32, 28);
constexpr int kServoButtonFontPixels = 19;

int Scaled(int design, double zoom) {
    return qRound(design * zoom);
}

void ZoomServoPage(const ServoPage& servo, double zoom) {
    QFont font = servo.group->font();
    font.setPixelSize(Scaled(kFontPixels, zoom));
    servo.group->setFont(font);
    auto zoomField = [zoom](const SpinField& field) {
        field.edit->setFixedSize(Scaled(kServoEditWidth, zoom), Scaled(kFieldHeight, zoom));
        field.upDown->setZoom(zoom);
    };
    for (size_t k = 0; k < servo.rpm.size(); ++k) {
        zoomField(servo.rpm[k]);
        zoomField(servo.mv[k]);
    }
    zoomField(servo.hysteresis);
    for (QPushButton* button : {servo.minus, servo.plus}) {
        button->setFixedSize(kServoButtonSize * zoom);
        SetPixelFont(button, Scaled(kServoButtonFontPixels, zoom), false);
    }
}

} // namespace

double ZoomForWindowSize(const QSize& size, int fixedHeight) {
    // Across, the pages and the live column grow together; the margins between them do not.
    constexpr int kFixedWidth = kDesignWidth - kPagesWidth - kMonitorColumnWidth;
    const double across = (size.width() - kFixedWidth) / double(kDesignWidth - kFixedWidth);
    const double down = (size.height() - fixedHeight) / double(kPagesHeight);
    return std::clamp(std::min(across, down), 1.0, kMaxZoom);
}

void ZoomWindow(const FormControls& controls, double zoom) {
    controls.frame.pages->setMaximumSize(QSize(kPagesWidth, kPagesHeight) * zoom);
    QWidget* column = controls.monitor.rpm->parentWidget();
    for (FittingLabel* label : column->findChildren<FittingLabel*>())
        label->setZoom(zoom);
    for (QProgressBar* gauge : column->findChildren<QProgressBar*>())
        gauge->setMaximumSize(kGaugeSize * zoom);
}

double ZoomForPagesSize(const QSize& size) {
    const double zoom =
        std::min(size.width() / double(kPagesWidth), size.height() / double(kPagesHeight));
    return std::clamp(zoom, 1.0, kMaxZoom);
}

void ZoomPages(const FormControls& controls, double zoom) {
    PlaceAdvancePage(controls.advance, zoom, controls.advance.tpsRows->isChecked());
    ZoomServoPage(controls.servo, zoom);
}

} // namespace kx
