#include "ui/widgets/CurveChart.h"

#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>

namespace kx {

namespace {

// The live operating point's colour on the map.
const QColor kLive(0, 255, 0);

} // namespace

CurveChart::CurveChart(QWidget* parent)
    : QChartView(parent), live_(new QScatterSeries), speedAxis_(new QValueAxis),
      valueAxis_(new QValueAxis) {
    setObjectName("CurveChart");
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::NoFocus);
    QChart* chart = this->chart();
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->setBackgroundVisible(false); // on the window's own colour, as the live values
    chart->setPlotAreaBackgroundBrush(Qt::white);
    chart->setPlotAreaBackgroundVisible(true);
    // Beside the plot: the chart is wider than it is high.
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->addAxis(speedAxis_, Qt::AlignBottom);
    chart->addAxis(valueAxis_, Qt::AlignLeft);
    speedAxis_->setLabelFormat("%d");
    valueAxis_->setLabelFormat("%d");
    // Three speeds along the axis: "10000" needs the room of two of its neighbours.
    speedAxis_->setTickCount(3);
    live_->setMarkerSize(11);
    live_->setColor(kLive);
    live_->setBorderColor(Qt::black);
    chart->addSeries(live_);
    live_->attachAxis(speedAxis_);
    live_->attachAxis(valueAxis_);
    chart->legend()->markers(live_).first()->setVisible(false);
    SetLetterSize(font().pixelSize());
}

void CurveChart::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        SetLetterSize(font().pixelSize());
    QChartView::changeEvent(event);
}

QLineSeries* CurveChart::LineAt(size_t index) {
    while (lines_.size() <= index) {
        auto* line = new QLineSeries;
        chart()->addSeries(line);
        line->attachAxis(speedAxis_);
        line->attachAxis(valueAxis_);
        lines_.push_back(line);
    }
    return lines_[index];
}

void CurveChart::SetCurves(const std::vector<Curve>& curves, const QString& speedTitle,
                           const ValueScale& values) {
    double fastest = 1;
    const size_t linesBefore = lines_.size();
    for (size_t i = 0; i < curves.size(); ++i) {
        const Curve& curve = curves[i];
        QLineSeries* line = LineAt(i);
        line->setName(curve.name);
        QPen pen(curve.colour);
        pen.setWidthF(1.6);
        line->setPen(pen);
        line->replace(curve.points);
        line->setVisible(true);
        chart()->legend()->markers(line).first()->setVisible(!curve.name.isEmpty());
        for (const QPointF& point : curve.points)
            fastest = std::max(fastest, point.x());
    }
    for (size_t i = curves.size(); i < lines_.size(); ++i) {
        lines_[i]->setVisible(false);
        chart()->legend()->markers(lines_[i]).first()->setVisible(false);
    }
    chart()->legend()->setVisible(std::any_of(curves.cbegin(), curves.cend(),
                                              [](const Curve& c) { return !c.name.isEmpty(); }));
    speedAxis_->setTitleText(speedTitle);
    speedAxis_->setRange(0, fastest);
    valueAxis_->setTitleText(values.title);
    valueAxis_->setRange(0, values.highest);
    valueAxis_->setTickCount(values.steps + 1);
    if (lines_.size() != linesBefore) {
        // A series is drawn over those added before it: the dot goes above the new lines.
        chart()->removeSeries(live_);
        chart()->addSeries(live_);
        live_->attachAxis(speedAxis_);
        live_->attachAxis(valueAxis_);
        chart()->legend()->markers(live_).first()->setVisible(false);
    }
}

void CurveChart::SetLivePoint(const std::optional<QPointF>& point) {
    if (point == livePoint_)
        return;
    livePoint_ = point;
    if (point)
        live_->replace(QList<QPointF>{*point});
    else
        live_->clear();
}

void CurveChart::SetLetterSize(int pixels) {
    if (pixels <= 0)
        return;
    QFont font = chart()->font();
    font.setPixelSize(pixels);
    for (QValueAxis* axis : {speedAxis_, valueAxis_}) {
        axis->setLabelsFont(font);
        axis->setTitleFont(font);
    }
    chart()->legend()->setFont(font);
}

} // namespace kx
