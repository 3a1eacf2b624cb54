#include "ui/widgets/SelectionFrame.h"

#include <QPainter>

namespace kx {

SelectionFrame::SelectionFrame(QWidget* parent) : QWidget(parent) {
    setObjectName("SelectionFrame");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void SelectionFrame::Surround(const QRect& cells) {
    const QRect outline = cells.adjusted(-kWidth, -kWidth, kWidth, kWidth);
    if (geometry() != outline)
        setGeometry(outline);
    // Above the cells, however the page was rebuilt or zoomed.
    raise();
}

void SelectionFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect outer = rect();
    // Only the rim is painted: the cells inside keep their own colours.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 20, 110));
    const QRegion rim = QRegion(outer).subtracted(QRegion(outer.adjusted(2, 2, -2, -2)));
    painter.setClipRegion(rim);
    painter.drawRect(outer);
    painter.setClipRegion(
        QRegion(outer.adjusted(2, 2, -2, -2)).subtracted(QRegion(outer.adjusted(3, 3, -3, -3))));
    painter.setBrush(Qt::white);
    painter.drawRect(outer);
}

} // namespace kx
