#pragma once

#include <QRect>

class QScreen;

namespace kx {

// A window rectangle brought wholly onto an available screen area: each side no longer than the
// area's and at least one pixel, then moved the least distance that puts it inside the area. An
// invalid (empty) area leaves the rectangle as it is.
QRect FitIntoArea(const QRect& wanted, const QRect& area);

// The available area (the screen without its task bars and docks) of the screen that holds most
// of the rectangle; when it lies on no screen at all, that of the fallback screen, else of the
// primary one. Invalid when there is no screen.
QRect AvailableAreaFor(const QRect& wanted, const QScreen* fallback);

} // namespace kx
