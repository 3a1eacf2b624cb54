#pragma once

#include <QRect>

class QScreen;

namespace kx {

class TFormHlav;

// Title bar and borders a window manager adds around the window; Qt knows them only once the
// window is shown, and the first placement comes before that.
constexpr QSize kFrameAllowance(8, 36);

// The first placement, before any stored one: centred on the available area. An area smaller
// than the design size gets the compact arrangement and a window no larger than the area
// leaves, down to what the layout needs; whatever is left over, the window's top left corner
// stays on the area, so its menu and tool bar can be reached.
void PlaceOnFirstStart(TFormHlav& form, const QRect& area);

// A window rectangle brought wholly onto an available screen area: each side no longer than the
// area's and at least one pixel, then moved the least distance that puts it inside the area. An
// invalid (empty) area leaves the rectangle as it is.
QRect FitIntoArea(const QRect& wanted, const QRect& area);

// The available area (the screen without its task bars and docks) of the screen that holds most
// of the rectangle; when it lies on no screen at all, that of the fallback screen, else of the
// primary one. Invalid when there is no screen.
QRect AvailableAreaFor(const QRect& wanted, const QScreen* fallback);

} // namespace kx
