#pragma once

#include <QChartView>
#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>

#include <optional>
#include <vector>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace kx {

// A small chart of lines over engine speed with a dot for where the engine runs now, for the
// live column: the advance map's rows, or the servo table.
class CurveChart : public QChartView {
  public:
    struct Curve {
        QString name; // in the legend; an empty name keeps the line out of it
        QColor colour;
        QList<QPointF> points;
    };

    explicit CurveChart(QWidget* parent);

    // The values' axis: from 0 to `highest` in `steps` steps, few enough for a low chart.
    struct ValueScale {
        QString title;
        double highest;
        int steps;
    };

    // Replaces the lines; the speed axis runs to the last speed of the lines.
    void SetCurves(const std::vector<Curve>& curves, const QString& speedTitle,
                   const ValueScale& values);
    // Nothing hides the dot: no live data, or the engine below the speeds drawn.
    void SetLivePoint(const std::optional<QPointF>& point);

  protected:
    // The letters follow the widget's font, which the window's zoom sets.
    void changeEvent(QEvent* event) override;

  private:
    void SetLetterSize(int pixels);
    QLineSeries* LineAt(size_t index);

    std::vector<QLineSeries*> lines_;
    QScatterSeries* live_;
    QValueAxis* speedAxis_;
    QValueAxis* valueAxis_;
    std::optional<QPointF> livePoint_;
};

} // namespace kx
