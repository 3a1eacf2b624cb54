#include "ui/layout/FormLayout.h"
#include "ui/layout/LayoutHelpers.h"

#include "ui/widgets/FittingLabel.h"

#include <QCheckBox>
#include <QProgressBar>
#include <QTabWidget>

#include <algorithm>

namespace kx {

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
    QFont letters = controls.monitor.curveArea->font();
    letters.setPixelSize(qRound(kWindowFontPixels * zoom));
    controls.monitor.curveArea->setFont(letters);
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
