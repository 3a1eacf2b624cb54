#pragma once

#include <QLabel>

namespace kx {

// A one-line label that never asks its window for more width than it is allowed: a caption
// wider than the label is drawn in a smaller font, down to a share of its own (three quarters
// unless set), and beyond that elided. Captions change with the language and the live values, and a
// label that grew with them widened the whole window. text() stays the whole caption.
class FittingLabel : public QLabel {
    Q_OBJECT

  public:
    // Where the elision falls: at the end, or inside the folders of a path, so the file name
    // itself always shows. A label without a hint of its own shows an elided or shrunk caption
    // whole as its tooltip.
    enum class Elide { End, Folders };

    FittingLabel(const QString& text, QWidget* parent, Elide elide = Elide::End);

    void setSmallestScale(double scale) { smallestScale_ = scale; }
    // Font and width limit this many times those the label had when first zoomed. The label
    // still asks for no more than its design size as its minimum, so a window made larger can
    // be made smaller again.
    void setZoom(double zoom);

    QSize minimumSizeHint() const override;
    // The caption as drawn in the label's current width, and the font it is drawn in.
    QString shownText() const;
    QFont shownFont() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

  private:
    QFont designFont() const;
    QString TextIn(const QFont& font) const; // the caption as it fits in that font

    Elide elide_;
    double smallestScale_ = 0.75;
    int designPixels_ = 0; // 0 until first zoomed
    int designMaxWidth_ = 0;
};

} // namespace kx
