#include "ui/widgets/Picture.h"

#include <QPainter>

namespace kx {

QPixmap IgnitionPicture(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 168 x 86 grid and scaled to the size asked for.
    painter.scale(size.width() / 168.0, size.height() / 86.0);

    // Plug lying on its side: terminal, ribbed insulator, hex nut, thread, electrodes.
    const QColor outline(55, 58, 64);
    const QColor steel(128, 134, 142);
    painter.setPen(QPen(outline, 1.2));
    painter.setBrush(steel);
    painter.drawRoundedRect(QRectF(4, 37, 16, 12), 3, 3);
    QLinearGradient glaze(0, 29, 0, 57);
    glaze.setColorAt(0, QColor(255, 255, 252));
    glaze.setColorAt(1, QColor(214, 210, 200));
    painter.setBrush(glaze);
    painter.drawPolygon(QPolygonF({{20, 35}, {66, 29}, {66, 57}, {20, 51}}));
    painter.setPen(QPen(QColor(190, 186, 176), 1));
    for (int x = 27; x <= 59; x += 8)
        painter.drawLine(QPointF(x, 35.5 - (x - 20) * 0.13), QPointF(x, 50.5 + (x - 20) * 0.13));
    QLinearGradient metal(0, 23, 0, 63);
    metal.setColorAt(0, steel.lighter(135));
    metal.setColorAt(1, steel.darker(130));
    painter.setPen(QPen(outline, 1.2));
    painter.setBrush(metal);
    painter.drawRect(QRectF(66, 23, 22, 40));
    painter.drawLine(QPointF(66, 36), QPointF(88, 36));
    painter.drawLine(QPointF(66, 50), QPointF(88, 50));
    painter.drawRect(QRectF(88, 32, 24, 22));
    painter.setPen(QPen(steel.darker(150), 1));
    for (int x = 91; x <= 108; x += 4)
        painter.drawLine(QPointF(x, 32.5), QPointF(x + 3, 53.5));
    // The spark: a glow behind the electrodes, a jagged arc across the gap, a burst of rays.
    QRadialGradient glow(QPointF(125, 44), 24);
    glow.setColorAt(0, QColor(255, 210, 80, 200));
    glow.setColorAt(1, QColor(255, 210, 80, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(125, 44), 24, 24);
    painter.setPen(QPen(outline, 3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(112, 43), QPointF(120, 43));                 // centre
    painter.drawPolyline(QPolygonF({{112, 52}, {128, 52}, {128, 46.5}})); // ground

    painter.setPen(QPen(QColor(40, 110, 255), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF({{121, 43}, {124, 42}, {123, 45}, {127, 45}}));
    painter.setPen(QPen(QColor(255, 150, 0), 2, Qt::SolidLine, Qt::RoundCap));
    const QPointF centre(125, 44);
    for (int i = 0; i < 7; ++i) {
        const QLineF ray = QLineF::fromPolar(i % 2 ? 30 : 38, -75 + i * 25).translated(centre);
        painter.drawLine(ray.pointAt(0.45), ray.p2());
    }
    return pixmap;
}

QIcon PrinterIcon() {
    const QIcon themed = QIcon::fromTheme("document-print");
    if (!themed.isNull())
        return themed;

    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(50, 50, 50), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.5, 1.5, 7, 5)); // sheet going in
    painter.setBrush(QColor(150, 150, 150));
    painter.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5); // body
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.5, 10.5, 7, 4)); // sheet coming out
    painter.setPen(QColor(0, 170, 0));
    painter.drawPoint(QPointF(12.5, 8.5)); // power light
    return QIcon(pixmap);
}

} // namespace kx
