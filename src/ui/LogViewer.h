#pragma once

#include "config/ConfigBlock.h"
#include "link/EngineTrace.h"
#include "link/TelegramLog.h"

#include <QDialog>
#include <QElapsedTimer>

#include <cstddef>
#include <cstdint>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QTabWidget;
class QTimer;

namespace kx {

class DwellGrid;
class LogPlot;

// Log > Open log...: a recorded telegram log as lines over time, with a cursor that can be
// played at a multiple of the recorded pace, and the time it spent in every map cell. The
// viewer only shows: whoever listens to cursorMoved replays the cursor's row elsewhere.
class LogViewer : public QDialog { // objectName "FormLogViewer"
    Q_OBJECT

  public:
    explicit LogViewer(QWidget* parent);

    // Shows the whole log with the cursor on its first row; playback stops.
    void SetLog(TelegramLog log, const QString& fileName);
    // The record on the screen: the dwell map's speeds, and the cells of a log that has none.
    void SetRecord(const ConfigBlock& block, bool tpsRowsOn);
    void SetLanguage(uint8_t languageIndex);

    const TelegramLog& log() const { return log_; }
    size_t cursorRow() const { return cursorRow_; }
    const ConfigBlock& record() const { return block_; }
    bool tpsRowsOn() const { return tpsRowsOn_; }
    void SetCursorRow(size_t row);

    bool playing() const { return playing_; }
    void SetPlaying(bool playing);
    // Moves the cursor by realMs times the chosen speed in the log's time; stops at the end.
    void AdvancePlayback(int64_t realMs);

    // The time the plots show, clamped to the log.
    int64_t shownFromMs() const { return shownFromMs_; }
    int64_t shownToMs() const { return shownToMs_; }
    void ShowTimes(int64_t fromMs, int64_t toMs);

    const CellDwell& dwell() const { return dwell_; }

  signals:
    void cursorMoved(int row);

  private:
    void ApplyTexts();
    void AlignPlots();
    void ShowCursor();
    void ShowCursorAt(int64_t ms);
    void ZoomAround(int64_t ms, double factor);
    void UpdateDwell();
    void PlaybackTick();

    TelegramLog log_;
    QString fileName_;
    ConfigBlock block_{};
    bool tpsRowsOn_ = false;
    uint8_t languageIndex_ = 0;
    size_t cursorRow_ = 0;
    int64_t playMs_ = 0; // the playback's exact place, between the rows
    bool playing_ = false;
    int64_t shownFromMs_ = 0;
    int64_t shownToMs_ = 0;
    CellDwell dwell_;

    std::vector<LogPlot*> plots_;
    QTabWidget* pages_;
    QSlider* cursorSlider_;
    QLabel* readout_;
    QLabel* skipped_;
    QLabel* dwellRangeLabel_;
    QComboBox* dwellRange_;
    QLabel* dwellSpeedTitle_;
    DwellGrid* grid_;
    QPushButton* play_;
    QLabel* speedLabel_;
    QComboBox* speed_;
    QPushButton* zoomIn_;
    QPushButton* zoomOut_;
    QPushButton* wholeLog_;
    QPushButton* close_;
    QTimer* playback_;
    QElapsedTimer sinceTick_;
};

} // namespace kx
