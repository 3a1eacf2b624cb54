#include "ui/WindowPlacement.h"

#include "ui/FormHlav.h"
#include "ui/layout/FormLayout.h"

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

void PlaceOnFirstStart(TFormHlav& form, const QRect& area) {
    if (area.width() < kDesignWidth || area.height() < kDesignHeight) {
        form.KeepCompact();
        const QSize room = area.size() - kFrameAllowance;
        const QSize least = form.minimumSizeHint();
        form.resize(std::max(least.width(), std::min(form.width(), room.width())),
                    std::max(least.height(), std::min(form.height(), room.height())));
    }
    // Centred as the window's own size says, then moved in so that its frame too is on the area.
    const QSize outer = form.size() + kFrameAllowance;
    const auto onArea = [](int centred, int start, int length, int extent) {
        return std::max(start, std::min(centred, start + length - extent));
    };
    form.move(
        onArea(area.x() + (area.width() - form.width()) / 2, area.x(), area.width(), outer.width()),
        onArea(area.y() + (area.height() - form.height()) / 2, area.y(), area.height(),
               outer.height()));
}

} // namespace kx
