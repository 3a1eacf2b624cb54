#include "ui/LogViewer.h"

#include "present/LogTimeAxis.h"
#include "texts/LogTexts.h"
#include "ui/widgets/DwellGrid.h"
#include "ui/widgets/LogPlot.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <limits>

namespace kx {

namespace {

constexpr int kSpeeds[] = {1, 2, 5, 10, 30}; // the playback's multiples of the recorded pace
constexpr int kPlaybackTickMs = 40;
constexpr int64_t kNarrowestMs = 2000; // zooming in stops at a few rows across the plot
constexpr double kZoomStep = 0.5;
enum DwellRange { kDwellWholeLog, kDwellTimeShown };

QString Text(LogText text, uint8_t languageIndex) {
    return QString::fromStdString(LogTextIn(text, languageIndex));
}

QPushButton* MakeButton(const char* name, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

LogPlot* MakePlot(const char* name, std::vector<LogPlot::Trace> traces, QWidget* parent) {
    auto* plot = new LogPlot(std::move(traces), parent);
    plot->setObjectName(name);
    return plot;
}

} // namespace

LogViewer::LogViewer(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint) {
    setObjectName("FormLogViewer");
    setModal(false);
    setSizeGripEnabled(true);

    pages_ = new QTabWidget(this);
    pages_->setObjectName("LogTabs");

    auto* plotPage = new QWidget(pages_);
    plotPage->setObjectName("LogPlotPage");
    plots_ = {
        MakePlot("LogSpeedPlot", {{&TelegramLog::rpm, 1, QColor(20, 80, 200), false}}, plotPage),
        MakePlot("LogAdvancePlot",
                 {{&TelegramLog::tpsPercent, 1, QColor(230, 130, 0), false},
                  {&TelegramLog::advance1, 1, QColor(200, 0, 0), true},
                  {&TelegramLog::advance2, 1, QColor(120, 0, 160), true}},
                 plotPage),
        MakePlot("LogSupplyPlot", {{&TelegramLog::supplyMv, 0.001, QColor(0, 130, 130), false}},
                 plotPage)};
    cursorSlider_ = new QSlider(Qt::Horizontal, plotPage);
    cursorSlider_->setObjectName("LogCursorSlider");
    auto* plotLayout = new QVBoxLayout(plotPage);
    plotLayout->setContentsMargins(2, 2, 2, 2);
    plotLayout->setSpacing(0);
    // The lower two carry the legend and the time axis.
    plotLayout->addWidget(plots_[0], 4);
    plotLayout->addWidget(plots_[1], 5);
    plotLayout->addWidget(plots_[2], 5);
    plotLayout->addWidget(cursorSlider_);
    pages_->addTab(plotPage, QString());

    auto* dwellPage = new QWidget(pages_);
    dwellPage->setObjectName("LogDwellPage");
    dwellRangeLabel_ = new QLabel(dwellPage);
    dwellRange_ = new QComboBox(dwellPage);
    dwellRange_->setObjectName("LogDwellRange");
    dwellRange_->addItems({QString(), QString()});
    dwellRangeLabel_->setBuddy(dwellRange_);
    dwellSpeedTitle_ = new QLabel(dwellPage);
    dwellSpeedTitle_->setAlignment(Qt::AlignCenter);
    grid_ = new DwellGrid(dwellPage);
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(dwellRangeLabel_);
    rangeRow->addWidget(dwellRange_);
    rangeRow->addStretch();
    auto* dwellLayout = new QVBoxLayout(dwellPage);
    dwellLayout->addLayout(rangeRow);
    dwellLayout->addWidget(dwellSpeedTitle_);
    dwellLayout->addWidget(grid_, 1);
    pages_->addTab(dwellPage, QString());

    readout_ = new QLabel(this);
    readout_->setObjectName("LogReadout");
    readout_->setTextFormat(Qt::PlainText);
    skipped_ = new QLabel(this);
    skipped_->setObjectName("LogSkipped");
    skipped_->setTextFormat(Qt::PlainText);
    skipped_->hide();

    play_ = MakeButton("LogPlay", this);
    speedLabel_ = new QLabel(this);
    speed_ = new QComboBox(this);
    speed_->setObjectName("LogSpeed");
    for (size_t i = 0; i < std::size(kSpeeds); ++i)
        speed_->addItem(QString());
    speedLabel_->setBuddy(speed_);
    zoomIn_ = MakeButton("LogZoomIn", this);
    zoomOut_ = MakeButton("LogZoomOut", this);
    wholeLog_ = MakeButton("LogWholeLog", this);
    close_ = MakeButton("LogClose", this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(play_);
    buttons->addWidget(speedLabel_);
    buttons->addWidget(speed_);
    buttons->addSpacing(12);
    buttons->addWidget(zoomIn_);
    buttons->addWidget(zoomOut_);
    buttons->addWidget(wholeLog_);
    buttons->addStretch();
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addWidget(readout_);
    layout->addWidget(skipped_);
    layout->addLayout(buttons);

    playback_ = new QTimer(this);
    playback_->setInterval(kPlaybackTickMs);
    connect(playback_, &QTimer::timeout, this, &LogViewer::PlaybackTick);
    for (LogPlot* plot : plots_) {
        plot->SetLog(&log_);
        plot->SetTimeLabelsShown(plot == plots_.back());
        connect(plot, &LogPlot::plotAreaMoved, this, &LogViewer::AlignPlots);
        connect(plot, &LogPlot::clicked, this, &LogViewer::ShowCursorAt);
        connect(plot, &LogPlot::zoomed, this, &LogViewer::ZoomAround);
        connect(plot, &LogPlot::panned, this,
                [this](int64_t byMs) { ShowTimes(shownFromMs_ + byMs, shownToMs_ + byMs); });
    }
    connect(cursorSlider_, &QSlider::valueChanged, this,
            [this](int row) { SetCursorRow(size_t(row)); });
    connect(dwellRange_, &QComboBox::currentIndexChanged, this, &LogViewer::UpdateDwell);
    connect(play_, &QPushButton::clicked, this, [this] { SetPlaying(!playing_); });
    connect(zoomIn_, &QPushButton::clicked, this,
            [this] { ZoomAround(log_.size() ? log_.timeMs[cursorRow_] : 0, kZoomStep); });
    connect(zoomOut_, &QPushButton::clicked, this,
            [this] { ZoomAround((shownFromMs_ + shownToMs_) / 2, 1 / kZoomStep); });
    connect(wholeLog_, &QPushButton::clicked, this, [this] {
        ShowTimes(std::numeric_limits<int64_t>::min() / 2, std::numeric_limits<int64_t>::max() / 2);
    });
    connect(close_, &QPushButton::clicked, this, &QDialog::close);

    grid_->SetSpeedAxis(block_);
    ApplyTexts();
    QSize size(1100, 720);
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(40, 60));
    resize(size);
}

void LogViewer::AlignPlots() {
    QMarginsF widest;
    for (const LogPlot* plot : plots_) {
        const QMarginsF own = plot->ownInsets();
        widest.setLeft(std::max(widest.left(), own.left()));
        widest.setRight(std::max(widest.right(), own.right()));
    }
    for (LogPlot* plot : plots_)
        plot->PadTo(widest);
}

void LogViewer::SetLog(TelegramLog log, const QString& fileName) {
    SetPlaying(false);
    log_ = std::move(log);
    fileName_ = QFileInfo(fileName).fileName();
    cursorRow_ = 0;
    playMs_ = log_.size() ? log_.timeMs.front() : 0;
    for (LogPlot* plot : plots_)
        plot->SetLog(&log_);
    {
        const QSignalBlocker quiet(cursorSlider_);
        cursorSlider_->setRange(0, int(std::max<size_t>(log_.size(), 1) - 1));
        cursorSlider_->setPageStep(std::max(1, int(log_.size() / 50)));
    }
    ShowTimes(std::numeric_limits<int64_t>::min() / 2, std::numeric_limits<int64_t>::max() / 2);
    UpdateDwell();
    ApplyTexts();
    ShowCursor();
    if (log_.size())
        emit cursorMoved(0);
}

void LogViewer::SetRecord(const ConfigBlock& block, bool tpsRowsOn) {
    block_ = block;
    tpsRowsOn_ = tpsRowsOn;
    grid_->SetSpeedAxis(block_);
    UpdateDwell();
    ShowCursor();
}

void LogViewer::SetLanguage(uint8_t languageIndex) {
    languageIndex_ = languageIndex;
    grid_->SetLanguage(languageIndex);
    ApplyTexts();
    ShowCursor();
}

void LogViewer::ApplyTexts() {
    const uint8_t l = languageIndex_;
    setWindowTitle(Text(LogText::ViewerTitle, l).arg(fileName_));
    pages_->setTabText(0, Text(LogText::TabPlot, l));
    pages_->setTabText(1, Text(LogText::TabDwell, l));
    const LogPlot::TimeTitles time = {Text(LogText::AxisTime, l), Text(LogText::AxisTimeMinutes, l),
                                      Text(LogText::AxisTimeHours, l)};
    plots_[0]->SetTitles({}, Text(LogText::AxisSpeed, l), QString(), {});
    plots_[1]->SetTitles({}, Text(LogText::AxisThrottle, l), Text(LogText::AxisAdvance, l),
                         {Text(LogText::SeriesThrottle, l), Text(LogText::SeriesAdvance1, l),
                          Text(LogText::SeriesAdvance2, l)});
    plots_[2]->SetTitles(time, Text(LogText::AxisSupply, l), QString(), {});
    dwellRangeLabel_->setText(Text(LogText::DwellRangeLabel, l));
    dwellRange_->setItemText(kDwellWholeLog, Text(LogText::DwellWholeLog, l));
    dwellRange_->setItemText(kDwellTimeShown, Text(LogText::DwellTimeShown, l));
    dwellSpeedTitle_->setText(Text(LogText::AxisSpeed, l));
    skipped_->setText(Text(LogText::SkippedLines, l).arg(log_.skippedLines));
    skipped_->setVisible(log_.skippedLines > 0);
    play_->setText(Text(playing_ ? LogText::ButtonPause : LogText::ButtonPlay, l));
    speedLabel_->setText(Text(LogText::SpeedLabel, l));
    for (int i = 0; i < int(std::size(kSpeeds)); ++i)
        speed_->setItemText(i, Text(LogText::SpeedChoice, l).arg(kSpeeds[i]));
    zoomIn_->setText(Text(LogText::ButtonZoomIn, l));
    zoomOut_->setText(Text(LogText::ButtonZoomOut, l));
    wholeLog_->setText(Text(LogText::ButtonWholeLog, l));
    close_->setText(Text(LogText::ButtonClose, l));
}

void LogViewer::SetCursorRow(size_t row) {
    if (log_.size() == 0)
        return;
    row = std::min(row, log_.size() - 1);
    playMs_ = log_.timeMs[row];
    if (row == cursorRow_)
        return;
    cursorRow_ = row;
    ShowCursor();
    emit cursorMoved(int(row));
}

// The nearest row to a time clicked in a plot.
void LogViewer::ShowCursorAt(int64_t ms) {
    if (log_.size() == 0)
        return;
    size_t row = std::min(LogRowAt(log_, ms), log_.size() - 1);
    if (row > 0 && ms - log_.timeMs[row - 1] < log_.timeMs[row] - ms)
        --row;
    SetCursorRow(row);
}

void LogViewer::ShowCursor() {
    if (log_.size() == 0) {
        readout_->clear();
        grid_->SetMarkedCell(-1);
        return;
    }
    const size_t row = cursorRow_;
    const int64_t ms = log_.timeMs[row];
    // Playback carries the time shown along with the cursor.
    const int64_t span = shownToMs_ - shownFromMs_;
    if (ms < shownFromMs_ || ms > shownToMs_)
        ShowTimes(ms - span / 2, ms + span - span / 2);
    {
        const QSignalBlocker quiet(cursorSlider_);
        cursorSlider_->setValue(int(row));
    }
    for (LogPlot* plot : plots_)
        plot->SetCursorMs(ms);
    readout_->setText(
        Text(LogText::Readout, languageIndex_)
            .arg(QString::fromStdString(LogTimeReadout(double(ms - log_.timeMs.front()) / 1000.0)),
                 QString::number(log_.rpm[row]), QString::number(log_.tpsPercent[row]),
                 QString::number(log_.advance1[row]), QString::number(log_.advance2[row]),
                 QString::number(log_.supplyMv[row] / 1000.0, 'f', 1)));
    grid_->SetMarkedCell(LogCell(log_, row, block_, tpsRowsOn_));
}

void LogViewer::SetPlaying(bool playing) {
    if (playing && log_.size() > 0 && cursorRow_ + 1 >= log_.size())
        SetCursorRow(0); // Play at the end plays again from the start
    playing_ = playing && log_.size() > 1;
    if (playing_) {
        sinceTick_.start();
        playback_->start();
    } else {
        playback_->stop();
    }
    play_->setText(Text(playing_ ? LogText::ButtonPause : LogText::ButtonPlay, languageIndex_));
}

void LogViewer::PlaybackTick() {
    AdvancePlayback(sinceTick_.restart());
}

void LogViewer::AdvancePlayback(int64_t realMs) {
    if (log_.size() == 0)
        return;
    playMs_ += realMs * kSpeeds[std::clamp(speed_->currentIndex(), 0, int(std::size(kSpeeds)) - 1)];
    size_t row = LogRowAt(log_, playMs_ + 1) - 1; // the last row at or before
    // Nothing was recorded in a gap: playback goes on at the next row rather than wait.
    if (row + 1 < log_.size() && log_.timeMs[row + 1] - log_.timeMs[row] > kLogGapMs &&
        playMs_ > log_.timeMs[row] + kLogGapMs) {
        ++row;
        playMs_ = log_.timeMs[row];
    }
    const bool atEnd = row + 1 >= log_.size();
    const int64_t keptMs = playMs_;
    SetCursorRow(row);
    playMs_ = keptMs;
    if (atEnd)
        SetPlaying(false);
}

void LogViewer::ShowTimes(int64_t fromMs, int64_t toMs) {
    if (toMs < fromMs)
        std::swap(fromMs, toMs);
    if (log_.size() == 0) {
        fromMs = toMs = 0;
    } else {
        const int64_t start = log_.timeMs.front();
        const int64_t whole = log_.timeMs.back() - start;
        const int64_t span = std::clamp(toMs - fromMs, std::min(kNarrowestMs, whole), whole);
        fromMs = std::clamp(fromMs, start, start + whole - span);
        toMs = fromMs + span;
    }
    if (fromMs == shownFromMs_ && toMs == shownToMs_)
        return;
    shownFromMs_ = fromMs;
    shownToMs_ = toMs;
    for (LogPlot* plot : plots_)
        plot->ShowTimes(fromMs, toMs);
    if (dwellRange_->currentIndex() == kDwellTimeShown)
        UpdateDwell();
}

void LogViewer::ZoomAround(int64_t ms, double factor) {
    const auto span = double(shownToMs_ - shownFromMs_);
    const auto from = int64_t(double(ms) - double(ms - shownFromMs_) * factor);
    ShowTimes(from, from + std::max<int64_t>(1, int64_t(span * factor)));
}

void LogViewer::UpdateDwell() {
    if (log_.size() == 0) {
        dwell_.Reset();
    } else if (dwellRange_->currentIndex() == kDwellTimeShown) {
        dwell_ = LogDwell(log_, LogRowAt(log_, shownFromMs_), LogRowAt(log_, shownToMs_), block_,
                          tpsRowsOn_);
    } else {
        dwell_ = LogDwell(log_, 0, log_.size() - 1, block_, tpsRowsOn_);
    }
    grid_->SetDwell(dwell_);
}

} // namespace kx
