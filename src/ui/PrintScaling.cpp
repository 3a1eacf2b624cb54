#include "ui/PrintScaling.h"

#include <cstdint>

namespace kx {

namespace {

int RoundedQuotient(int64_t numerator, int64_t denominator) {
    return int((2 * numerator + denominator) / (2 * denominator));
}

} // namespace

QSize FitToPage(const QSize& image, const QSize& page) {
    if (image.isEmpty() || page.isEmpty())
        return {};
    const int width = RoundedQuotient(int64_t(image.width()) * page.height(), image.height());
    if (width < page.width())
        return {width, page.height()};
    return {page.width(), RoundedQuotient(int64_t(image.height()) * page.width(), image.width())};
}

} // namespace kx
