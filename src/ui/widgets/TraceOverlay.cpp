#include "ui/widgets/TraceOverlay.h"

#include <QPainter>

#include <algorithm>

namespace kx {

namespace {

// Neither the live lime nor a heat colour: it reads on all of them.
const QColor kTrail(150, 0, 150);
const QColor kDwell(70, 0, 110);
constexpr int kDwellBarHeight = 3;

} // namespace

TraceOverlay::TraceOverlay(QWidget* parent) : QWidget(parent) {
    setObjectName("TraceOverlay");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

namespace {

QRect Ring(const QRect& cell) {
    return cell.adjusted(-4, -4, 4, 4);
}

// Only where something changes is painted again: the cells under the rest stay as they are.
QRegion Rings(const std::vector<QRect>& cells) {
    QRegion region;
    for (const QRect& cell : cells)
        region += Ring(cell);
    return region;
}

} // namespace

void TraceOverlay::SetTrail(std::vector<QRect> cells) {
    if (cells == trail_)
        return;
    const QRegion changed = Rings(trail_) + Rings(cells);
    trail_ = std::move(cells);
    update(changed);
}

void TraceOverlay::SetDwell(std::vector<Dwell> cells) {
    const auto sameBars = [this](const std::vector<Dwell>& other) {
        return std::equal(other.begin(), other.end(), dwell_.begin(), dwell_.end(),
                          [](const Dwell& a, const Dwell& b) {
                              return a.cell == b.cell && qRound(a.share * a.cell.width()) ==
                                                             qRound(b.share * b.cell.width());
                          });
    };
    if (sameBars(cells))
        return;
    QRegion changed;
    for (const std::vector<Dwell>* bars : {&dwell_, &cells}) {
        for (const Dwell& dwell : *bars)
            changed += dwell.cell;
    }
    dwell_ = std::move(cells);
    update(changed);
}

void TraceOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const Dwell& dwell : dwell_) {
        const int length = qRound(dwell.share * dwell.cell.width());
        if (length > 0) {
            painter.fillRect(QRect(dwell.cell.left(), dwell.cell.bottom() - kDwellBarHeight + 1,
                                   length, kDwellBarHeight),
                             kDwell);
        }
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const int count = int(trail_.size());
    // Oldest first, so the newer rings lie on top.
    for (int i = count - 1; i >= 0; --i) {
        QColor colour = kTrail;
        colour.setAlphaF(1.0 - 0.8 * i / std::max(1, count - 1));
        painter.setPen(QPen(colour, 2));
        painter.drawRoundedRect(QRectF(trail_[size_t(i)]).adjusted(-2, -2, 2, 2), 3, 3);
    }
}

} // namespace kx
