#pragma once

#include <QSize>

namespace kx {

// The printed size of a window image on a page: as large as the page allows with the aspect ratio
// kept, limited by the page height first and by the page width when that is too narrow. 64-bit
// intermediates, quotients rounded to the nearest pixel.
QSize FitToPage(const QSize& image, const QSize& page);

} // namespace kx
