#include "ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace kx {

QRect FitIntoArea(const QRect& wanted, const QRect& area) {
    if (!area.isValid())
        return wanted;
    const int width = std::clamp(wanted.width(), 1, area.width());
    const int height = std::clamp(wanted.height(), 1, area.height());
    const int left = std::clamp(wanted.x(), area.x(), area.x() + area.width() - width);
    const int top = std::clamp(wanted.y(), area.y(), area.y() + area.height() - height);
    return QRect(left, top, width, height);
}

QRect AvailableAreaFor(const QRect& wanted, const QScreen* fallback) {
    const QScreen* best = nullptr;
    qint64 bestOverlap = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect overlap = screen->geometry().intersected(wanted);
        const qint64 pixels = overlap.isValid() ? qint64(overlap.width()) * overlap.height() : 0;
        if (pixels > bestOverlap) {
            best = screen;
            bestOverlap = pixels;
        }
    }
    if (!best)
        best = fallback ? fallback : QGuiApplication::primaryScreen();
    return best ? best->availableGeometry() : QRect();
}

} // namespace kx
