#include "app/TraceView.h"

#include "link/DeviceLink.h"
#include "ui/widgets/TraceOverlay.h"

#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>

namespace kx {

namespace {

// About a second: the bars grow smoothly enough without a repaint every tick.
constexpr int kTicksPerBarUpdate = 18;

} // namespace

TraceView::TraceView(const AdvancePage& advance)
    : advance_(advance), overlay_(new TraceOverlay(advance.group)) {
    overlay_->hide();
    advance.group->installEventFilter(this);
}

bool TraceView::eventFilter(QObject* watched, QEvent* event) {
    // The map is placed anew when the window is zoomed.
    if (watched == advance_.group && event->type() == QEvent::Resize &&
        (trailShown_ || dwellShown_)) {
        overlay_->setGeometry(advance_.group->rect());
        DrawTrail();
        DrawDwell();
    }
    return false;
}

void TraceView::Tick(const OperatingPoint& point, bool dataCurrent) {
    if (!dataCurrent || point.rpmBelowAxis)
        return;
    const int cell = MapIndex(point.tpsRow, point.rpmColumn);
    dwell_.Add(cell, DeviceLink::kTickMs);
    if (trail_.Visit(cell) && trailShown_)
        DrawTrail();
    if (dwellShown_ && ++ticksSinceBars_ >= kTicksPerBarUpdate) {
        ticksSinceBars_ = 0;
        DrawDwell();
    }
}

void TraceView::Show(bool trail, bool dwell, bool printView) {
    const bool wasShown = trailShown_ || dwellShown_;
    trailShown_ = trail && !printView;
    dwellShown_ = dwell && !printView;
    if (!trailShown_ && !dwellShown_) {
        overlay_->hide();
        return;
    }
    if (!wasShown) {
        overlay_->setGeometry(advance_.group->rect());
        overlay_->raise();
        overlay_->show();
    }
    // Asked after every edit; the cells move when the throttle rows are switched, and only a
    // ring or bar that moved with them is painted again.
    DrawTrail();
    DrawDwell();
}

void TraceView::ResetDwell() {
    dwell_.Reset();
    DrawDwell();
}

std::optional<QRect> TraceView::CellRect(int cell) const {
    const QLineEdit* edit = advance_.cells[size_t(cell)].edit;
    if (edit->isHidden())
        return std::nullopt;
    return edit->geometry();
}

void TraceView::DrawTrail() {
    std::vector<QRect> cells;
    if (trailShown_) {
        for (int cell : trail_.cells()) {
            if (const auto rect = CellRect(cell))
                cells.push_back(*rect);
        }
    }
    overlay_->SetTrail(std::move(cells));
}

void TraceView::DrawDwell() {
    std::vector<TraceOverlay::Dwell> cells;
    if (dwellShown_ && dwell_.longest() > 0) {
        for (int cell = 0; cell < kMapRows * kMapColumns; ++cell) {
            const auto rect = CellRect(cell);
            if (rect && dwell_.ms(cell) > 0)
                cells.push_back({*rect, dwell_.ms(cell) / double(dwell_.longest())});
        }
    }
    overlay_->SetDwell(std::move(cells));
}

} // namespace kx
