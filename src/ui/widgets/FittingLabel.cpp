#include "ui/widgets/FittingLabel.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

#include <cmath>

namespace kx {

namespace {

int TextWidth(const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(text);
}

// The folders are elided from their start, so the end of the path and the file name remain.
QString ElideFolders(const QString& path, const QFontMetrics& metrics, int width) {
    const qsizetype cut = std::max(path.lastIndexOf('/'), path.lastIndexOf('\\'));
    if (cut < 0)
        return metrics.elidedText(path, Qt::ElideRight, width);
    const QString name = path.mid(cut);
    const int nameWidth = metrics.horizontalAdvance(name);
    if (nameWidth >= width)
        return metrics.elidedText(name.mid(1), Qt::ElideRight, width);
    return metrics.elidedText(path.left(cut), Qt::ElideLeft, width - nameWidth) + name;
}

} // namespace

FittingLabel::FittingLabel(const QString& text, QWidget* parent, Elide elide)
    : QLabel(text, parent), elide_(elide) {
    setWordWrap(false);
}

QSize FittingLabel::minimumSizeHint() const {
    const QFontMetrics design(designFont());
    const QMargins margins = contentsMargins();
    // A path gives way to its neighbours down to a few letters of the file name.
    const int least = elide_ == Elide::Folders
                          ? design.averageCharWidth() * 8
                          : design.horizontalAdvance(text()) + margins.left() + margins.right();
    const int widest = designPixels_ > 0 ? designMaxWidth_ : maximumWidth();
    return QSize(std::min(least, widest), design.height() + margins.top() + margins.bottom());
}

QFont FittingLabel::designFont() const {
    QFont design = font();
    if (designPixels_ > 0)
        design.setPixelSize(designPixels_);
    return design;
}

void FittingLabel::setZoom(double zoom) {
    if (designPixels_ == 0) {
        designPixels_ = std::max(1, font().pixelSize());
        designMaxWidth_ = maximumWidth();
    }
    QFont zoomed = font();
    zoomed.setPixelSize(qRound(designPixels_ * zoom));
    setFont(zoomed);
    if (designMaxWidth_ < QWIDGETSIZE_MAX)
        setMaximumWidth(qRound(designMaxWidth_ * zoom));
}

QFont FittingLabel::shownFont() const {
    const QFont own = font();
    const QRect room = contentsRect();
    // A label squeezed below its height by a zoomed column gets a smaller font too.
    const auto fits = [&](const QFont& font) {
        return TextWidth(font, text()) <= room.width() &&
               QFontMetrics(font).height() <= room.height();
    };
    if (elide_ == Elide::Folders || own.pixelSize() <= 0 || fits(own))
        return own;
    QFont smaller = own;
    const int smallest = int(std::ceil(own.pixelSize() * smallestScale_));
    for (int pixels = own.pixelSize() - 1; pixels >= smallest; --pixels) {
        smaller.setPixelSize(pixels);
        if (fits(smaller))
            break;
    }
    return smaller;
}

QString FittingLabel::shownText() const {
    return TextIn(shownFont());
}

QString FittingLabel::TextIn(const QFont& font) const {
    const QFontMetrics metrics(font);
    const int room = contentsRect().width();
    if (metrics.horizontalAdvance(text()) <= room)
        return text();
    return elide_ == Elide::Folders ? ElideFolders(text(), metrics, room)
                                    : metrics.elidedText(text(), Qt::ElideRight, room);
}

void FittingLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFont font = shownFont();
    painter.setFont(font);
    style()->drawItemText(&painter, contentsRect(), int(alignment()) | Qt::TextSingleLine,
                          palette(), isEnabled(), TextIn(font), foregroundRole());
}

bool FittingLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        const QFont font = shownFont();
        if (font != this->font() || TextIn(font) != text())
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

} // namespace kx
