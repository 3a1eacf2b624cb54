#pragma once

#include <QIcon>
#include <QPixmap>

namespace kx {

// The window's emblem: a spark plug firing, on a transparent ground.
QPixmap IgnitionPicture(const QSize& size);

// The theme's printer glyph, or a drawn one where the platform has no icon theme.
QIcon PrinterIcon();

} // namespace kx
