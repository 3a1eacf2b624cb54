#pragma once

#include "link/TelegramLog.h"
#include "present/LogTimeAxis.h"

#include <QChartView>
#include <QColor>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class QGraphicsLineItem;
class QLineSeries;
class QCategoryAxis;
class QValueAxis;

namespace kx {

// One strip of the log viewer: columns of a telegram log over the time shown, on a value axis
// at the left and, for a column of another unit, one at the right. Each column is drawn as the
// lowest and highest value of every pixel column, so a day of rows costs no more than a minute;
// a gap in the data breaks the line. The strip only reports the mouse: the viewer owns the
// time shown and the cursor, and gives them to every strip alike.
class LogPlot : public QChartView {
    Q_OBJECT

  public:
    struct Trace {
        std::vector<int32_t> TelegramLog::*column;
        double scale; // the unit shown per logged unit
        QColor colour;
        bool rightAxis;
    };

    LogPlot(std::vector<Trace> traces, QWidget* parent);

    // The log must outlive the strip or be given again; the value axes span its whole range.
    void SetLog(const TelegramLog* log);
    // The time axis's title for each of its units (LogTimeUnit), as the span shown picks it.
    using TimeTitles = std::array<QString, kLogTimeUnits>;
    void SetTitles(const TimeTitles& time, const QString& left, const QString& right,
                   const std::vector<QString>& traceNames);
    void ShowTimes(int64_t fromMs, int64_t toMs);
    // Moves only the cursor's line; the lines stay as they are.
    void SetCursorMs(int64_t ms);

    // The pieces of a column's line in the time shown: one per stretch between gaps.
    const std::vector<QLineSeries*>& pieces(size_t trace) const { return pieces_[trace]; }
    const QGraphicsLineItem* cursorLine() const { return cursor_; }

    // Strips stacked over each other line up their time axes: each reports how far its plot
    // lies inside the chart on its own, and takes the widest of all as padding.
    const QMarginsF& ownInsets() const { return ownInsets_; }
    void PadTo(const QMarginsF& insets);
    // Only the lowest strip labels the time: the others share it.
    void SetTimeLabelsShown(bool shown);

  signals:
    void clicked(int64_t ms);
    void zoomed(int64_t aroundMs, double factor); // factor < 1 zooms in
    void panned(int64_t byMs);
    void plotAreaMoved();

  protected:
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void PlotAreaChanged();
    void Rebuild();
    void LabelTimes(double fromSeconds, double toSeconds);
    void FitValueTitles();
    void PlaceCursor();
    QLineSeries* Piece(size_t trace, size_t index);
    double MsAt(const QPoint& viewPoint) const;
    double MsPerPixel() const;

    std::vector<Trace> traces_;
    std::vector<std::vector<QLineSeries*>> pieces_;
    std::vector<QString> names_;
    TimeTitles timeTitles_;
    LogTimeUnit timeUnit_ = LogTimeUnit::Seconds;
    QString leftTitle_; // as given; the axes show what fits of them
    QString rightTitle_;
    const TelegramLog* log_ = nullptr;
    int64_t fromMs_ = 0;
    int64_t toMs_ = 1;
    int64_t cursorMs_ = 0;
    double builtWidth_ = 0; // the plot's width the lines were reduced for
    QMarginsF padding_;
    QMarginsF ownInsets_; // the plot's distance from the chart's sides without padding_
    QCategoryAxis* timeAxis_;
    QValueAxis* leftAxis_;
    QValueAxis* rightAxis_ = nullptr;
    QGraphicsLineItem* cursor_;
    int pressX_ = -1;
    int lastX_ = 0;
    bool dragging_ = false;
};

} // namespace kx
