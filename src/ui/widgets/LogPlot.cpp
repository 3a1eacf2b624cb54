#include "ui/widgets/LogPlot.h"

#include <QCategoryAxis>
#include <QFontMetricsF>
#include <QGraphicsLineItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QValueAxis>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kx {

namespace {

constexpr int kDragPixels = 4; // a press that moves less is a click
constexpr double kWheelStep = 0.8;
constexpr int kMargin = 2;
const QColor kCursorColour(0, 160, 0);

// The axis from the lowest to the highest value the columns reach in the whole log, so that
// zooming and panning do not make the lines jump.
void FitAxis(QValueAxis* axis, const TelegramLog& log, const std::vector<LogPlot::Trace>& traces,
             bool right) {
    double lowest = std::numeric_limits<double>::max();
    double highest = std::numeric_limits<double>::lowest();
    for (const LogPlot::Trace& trace : traces) {
        if (trace.rightAxis != right)
            continue;
        const std::vector<int32_t>& values = log.*trace.column;
        if (values.empty())
            continue;
        const auto [low, high] = std::minmax_element(values.begin(), values.end());
        lowest = std::min(lowest, *low * trace.scale);
        highest = std::max(highest, *high * trace.scale);
    }
    if (lowest > highest)
        lowest = highest = 0;
    if (highest - lowest < 1) {
        lowest -= 0.5;
        highest += 0.5;
    }
    axis->setRange(lowest, highest);
    axis->applyNiceNumbers();
    // A strip is low: more than five steps down its side crowd the labels until Qt cuts them
    // to "...". Every second label of the nice ones is just as nice.
    int steps = axis->tickCount() - 1;
    if (steps > 5) {
        if (steps % 2 != 0) {
            axis->setMax(axis->max() + (axis->max() - axis->min()) / steps);
            ++steps;
        }
        axis->setTickCount(steps / 2 + 1);
    }
    axis->setLabelFormat(axis->max() - axis->min() < 10 ? "%.1f" : "%d");
}

// A value axis's title runs up the strip's side; where all of it does not fit, the unit in its
// parentheses ("U/min" of "Drehzahl (U/min)") still says what the numbers are, and the legend
// or the viewer's readout names the quantity. Qt would cut it to "Drehzahl (U/..." instead.
QString TitleThatFits(const QString& title, const QFont& font, double height) {
    const int open = title.lastIndexOf('(');
    if (QFontMetricsF(font).horizontalAdvance(title) <= height || open < 0 || !title.endsWith(')'))
        return title;
    return title.mid(open + 1, title.size() - open - 2);
}

} // namespace

LogPlot::LogPlot(std::vector<Trace> traces, QWidget* parent)
    : QChartView(parent), traces_(std::move(traces)), pieces_(traces_.size()),
      names_(traces_.size()), timeAxis_(new QCategoryAxis), leftAxis_(new QValueAxis) {
    // Without smoothing: the envelope's thousands of short steps cost most of a repaint with it.
    setRenderHint(QPainter::Antialiasing, false);
    setFocusPolicy(Qt::NoFocus);
    setMinimumHeight(110);
    QChart* chart = this->chart();
    chart->setMargins(QMargins(kMargin, kMargin, kMargin, kMargin));
    chart->setBackgroundVisible(false);
    chart->setPlotAreaBackgroundBrush(Qt::white);
    chart->setPlotAreaBackgroundVisible(true);
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->legend()->setVisible(traces_.size() > 1);
    chart->addAxis(timeAxis_, Qt::AlignBottom);
    chart->addAxis(leftAxis_, Qt::AlignLeft);
    timeAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    leftAxis_->setTickCount(5);
    if (std::any_of(traces_.begin(), traces_.end(), [](const Trace& t) { return t.rightAxis; })) {
        rightAxis_ = new QValueAxis;
        rightAxis_->setTickCount(5);
        chart->addAxis(rightAxis_, Qt::AlignRight);
    }
    for (size_t trace = 0; trace < traces_.size(); ++trace)
        Piece(trace, 0);
    // The titles in the labels' size: rotated, a bold title of the usual size outgrows a strip.
    for (QAbstractAxis* axis : chart->axes()) {
        QFont title = axis->labelsFont();
        title.setBold(false);
        axis->setTitleFont(title);
    }
    cursor_ = new QGraphicsLineItem(chart);
    cursor_->setPen(QPen(kCursorColour, 2));
    cursor_->setZValue(100);
    cursor_->hide();
    connect(chart, &QChart::plotAreaChanged, this, &LogPlot::PlotAreaChanged);
}

void LogPlot::SetLog(const TelegramLog* log) {
    log_ = log;
    FitAxis(leftAxis_, *log, traces_, false);
    if (rightAxis_)
        FitAxis(rightAxis_, *log, traces_, true);
    Rebuild();
}

void LogPlot::SetTitles(const TimeTitles& time, const QString& left, const QString& right,
                        const std::vector<QString>& traceNames) {
    timeTitles_ = time;
    timeAxis_->setTitleText(timeTitles_[int(timeUnit_)]);
    leftTitle_ = left;
    rightTitle_ = right;
    FitValueTitles();
    names_ = traceNames;
    names_.resize(traces_.size());
    for (size_t trace = 0; trace < traces_.size(); ++trace) {
        for (QLineSeries* piece : pieces_[trace])
            piece->setName(names_[trace]);
    }
}

void LogPlot::ShowTimes(int64_t fromMs, int64_t toMs) {
    fromMs_ = fromMs;
    toMs_ = std::max(toMs, fromMs + 1);
    Rebuild();
}

void LogPlot::SetCursorMs(int64_t ms) {
    cursorMs_ = ms;
    PlaceCursor();
}

void LogPlot::FitValueTitles() {
    const double height = chart()->plotArea().height();
    leftAxis_->setTitleText(TitleThatFits(leftTitle_, leftAxis_->titleFont(), height));
    if (rightAxis_)
        rightAxis_->setTitleText(TitleThatFits(rightTitle_, rightAxis_->titleFont(), height));
}

void LogPlot::PlotAreaChanged() {
    if (chart()->plotArea().width() != builtWidth_)
        Rebuild();
    FitValueTitles();
    PlaceCursor();
    // Measured as laid out now: a padding given since is not in this plot area yet.
    const QRectF plot = chart()->plotArea();
    ownInsets_ = QMarginsF(plot.left() - padding_.left(), 0,
                           chart()->rect().right() - plot.right() - padding_.right(), 0);
    emit plotAreaMoved();
}

void LogPlot::PadTo(const QMarginsF& insets) {
    const QMarginsF padding(std::max(0.0, insets.left() - ownInsets_.left()), 0,
                            std::max(0.0, insets.right() - ownInsets_.right()), 0);
    if (std::abs(padding.left() - padding_.left()) < 0.5 &&
        std::abs(padding.right() - padding_.right()) < 0.5)
        return;
    padding_ = padding;
    chart()->setMargins(QMargins(kMargin + int(std::lround(padding.left())), kMargin,
                                 kMargin + int(std::lround(padding.right())), kMargin));
}

void LogPlot::SetTimeLabelsShown(bool shown) {
    timeAxis_->setLabelsVisible(shown);
}

QLineSeries* LogPlot::Piece(size_t trace, size_t index) {
    std::vector<QLineSeries*>& pieces = pieces_[trace];
    while (pieces.size() <= index) {
        auto* piece = new QLineSeries;
        piece->setName(names_[trace]);
        QPen pen(traces_[trace].colour);
        pen.setWidthF(1.4);
        piece->setPen(pen);
        chart()->addSeries(piece);
        piece->attachAxis(timeAxis_);
        piece->attachAxis(traces_[trace].rightAxis ? rightAxis_ : leftAxis_);
        // One entry in the legend per column, however many pieces its line has.
        chart()->legend()->markers(piece).first()->setVisible(pieces.empty());
        pieces.push_back(piece);
    }
    return pieces[index];
}

// Ticks on round times from the log's start, about five across whatever is shown, each with its
// label: the axis is a category axis because a value axis can only print numbers.
void LogPlot::LabelTimes(double fromSeconds, double toSeconds) {
    const LogTimeTicks ticks = ChooseLogTimeTicks(toSeconds - fromSeconds, 5);
    for (const QString& label : timeAxis_->categoriesLabels())
        timeAxis_->remove(label);
    timeAxis_->setStartValue(fromSeconds);
    for (double tick = std::ceil(fromSeconds / ticks.stepSeconds - 1e-9) * ticks.stepSeconds;
         tick <= toSeconds + 1e-9; tick += ticks.stepSeconds)
        timeAxis_->append(QString::fromStdString(LogTimeLabel(tick, ticks)), tick);
    timeAxis_->setRange(fromSeconds, toSeconds);
    if (ticks.unit != timeUnit_) {
        timeUnit_ = ticks.unit;
        timeAxis_->setTitleText(timeTitles_[int(timeUnit_)]);
    }
}

// Every pixel column gets the lowest and the highest value of its rows, in the order they came,
// so a spike of one row still shows at any zoom. A gap narrower than a pixel shows as no break
// anyway, and breaking there would only multiply the pieces.
void LogPlot::Rebuild() {
    const double width = std::max(1.0, chart()->plotArea().width());
    builtWidth_ = chart()->plotArea().width();
    const int64_t startMs = log_ && log_->size() > 0 ? log_->timeMs.front() : 0;
    LabelTimes(double(fromMs_ - startMs) / 1000.0, double(toMs_ - startMs) / 1000.0);
    const size_t rows = log_ ? log_->size() : 0;
    const double pixelsPerMs = width / double(toMs_ - fromMs_);
    size_t first = rows ? LogRowAt(*log_, fromMs_) : 0;
    first -= first > 0 ? 1 : 0;
    const size_t end = rows ? std::min(rows, LogRowAt(*log_, toMs_) + 1) : 0;

    for (size_t trace = 0; trace < traces_.size(); ++trace) {
        static const std::vector<int32_t> kNoValues;
        const std::vector<int32_t>& values = log_ ? log_->*traces_[trace].column : kNoValues;
        const double scale = traces_[trace].scale;
        std::vector<QList<QPointF>> lines(1);
        const auto point = [&](size_t row) {
            return QPointF(double(log_->timeMs[row] - startMs) / 1000.0, values[row] * scale);
        };
        int64_t bucket = std::numeric_limits<int64_t>::min();
        size_t lowRow = 0;
        size_t highRow = 0;
        const auto flush = [&] {
            if (bucket == std::numeric_limits<int64_t>::min())
                return;
            lines.back() << point(std::min(lowRow, highRow));
            if (lowRow != highRow)
                lines.back() << point(std::max(lowRow, highRow));
        };
        for (size_t row = first; row < end; ++row) {
            const int64_t step = row > first ? log_->timeMs[row] - log_->timeMs[row - 1] : 0;
            if (step > kLogGapMs && double(step) * pixelsPerMs >= 1) {
                flush();
                bucket = std::numeric_limits<int64_t>::min();
                lines.emplace_back();
            }
            const auto at = int64_t(std::floor(double(log_->timeMs[row] - fromMs_) * pixelsPerMs));
            if (at != bucket) {
                flush();
                bucket = at;
                lowRow = highRow = row;
            } else if (values[row] < values[lowRow]) {
                lowRow = row;
            } else if (values[row] > values[highRow]) {
                highRow = row;
            }
        }
        flush();
        for (size_t index = 0; index < lines.size(); ++index) {
            QLineSeries* piece = Piece(trace, index);
            piece->replace(lines[index]);
            piece->setVisible(true);
        }
        for (size_t index = lines.size(); index < pieces_[trace].size(); ++index) {
            pieces_[trace][index]->clear();
            pieces_[trace][index]->setVisible(false);
        }
        pieces_[trace].front()->setVisible(true);
    }
    PlaceCursor();
}

void LogPlot::PlaceCursor() {
    const QRectF plot = chart()->plotArea();
    if (!log_ || log_->size() == 0 || cursorMs_ < fromMs_ || cursorMs_ > toMs_ ||
        plot.width() <= 0) {
        cursor_->hide();
        return;
    }
    const double x = plot.left() + double(cursorMs_ - fromMs_) / MsPerPixel();
    cursor_->setLine(x, plot.top(), x, plot.bottom());
    cursor_->show();
}

double LogPlot::MsPerPixel() const {
    return double(toMs_ - fromMs_) / std::max(1.0, chart()->plotArea().width());
}

double LogPlot::MsAt(const QPoint& viewPoint) const {
    const QPointF at = chart()->mapFromScene(mapToScene(viewPoint));
    return double(fromMs_) + (at.x() - chart()->plotArea().left()) * MsPerPixel();
}

void LogPlot::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps != 0)
        emit zoomed(int64_t(MsAt(event->position().toPoint())), std::pow(kWheelStep, steps));
    event->accept();
}

void LogPlot::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressX_ = lastX_ = event->position().toPoint().x();
    dragging_ = false;
    event->accept();
}

void LogPlot::mouseMoveEvent(QMouseEvent* event) {
    if (pressX_ < 0)
        return;
    const int x = event->position().toPoint().x();
    dragging_ = dragging_ || std::abs(x - pressX_) > kDragPixels;
    if (dragging_ && x != lastX_) {
        emit panned(int64_t(double(lastX_ - x) * MsPerPixel()));
        lastX_ = x;
    }
    event->accept();
}

void LogPlot::mouseReleaseEvent(QMouseEvent* event) {
    if (pressX_ >= 0 && !dragging_ && event->button() == Qt::LeftButton)
        emit clicked(int64_t(MsAt(event->position().toPoint())));
    pressX_ = -1;
    event->accept();
}

} // namespace kx
