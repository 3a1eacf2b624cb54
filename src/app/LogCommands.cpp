#include "app/LogCommands.h"

#include "link/DeviceLink.h"
#include "link/TelegramLog.h"
#include "present/LogTimeAxis.h"
#include "store/ConfigDifferences.h"
#include "ui/Dialogs.h"
#include "ui/FormHlav.h"
#include "ui/LogViewer.h"

#include <QAction>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>

namespace kx {

namespace {

// A log of a full day is about 25 MB; a file many times that is no log of ours, and reading it
// whole could take the memory the running engine's window needs.
constexpr qint64 kLargestLog = 512 * 1024 * 1024;

// The point the live marking finds for the row's speed and throttle (the servo column, which a
// log does not keep, among it), with the map cell the dwell map counts the row in.
OperatingPoint ReplayedPoint(const TelegramLog& log, size_t row, const ConfigBlock& block,
                             bool tpsRowsOn) {
    const uint8_t tps = uint8_t(std::min(log.tpsPercent[row], 255));
    OperatingPoint point = TrackOperatingPoint(block, uint16_t(log.rpm[row]), tps, tpsRowsOn);
    const int cell = LogCell(log, row, block, tpsRowsOn);
    point.rpmBelowAxis = cell < 0;
    if (cell >= 0) {
        point.tpsRow = uint8_t(cell / kMapColumns);
        point.rpmColumn = uint8_t(cell % kMapColumns);
    }
    return point;
}

} // namespace

LogCommands::LogCommands(TFormHlav& form, FormState& state, Dialogs& dialogs,
                         const DeviceLink& link)
    : form_(form), state_(state), dialogs_(dialogs), recorder_(link),
      indicator_(new QLabel(form.controls().frame.statusBar)) {
    indicator_->setObjectName("LabelLogging");
    form.controls().frame.statusBar->addPermanentWidget(indicator_);
    indicator_->hide();
}

void LogCommands::ConnectCommands() {
    const MenuActions& menu = form_.controls().frame.menu;
    connect(menu.startLogging, &QAction::triggered, this, &LogCommands::StartLogging);
    connect(menu.stopLogging, &QAction::triggered, this, &LogCommands::StopLogging);
    connect(menu.openLog, &QAction::triggered, this, &LogCommands::ChooseLog);
    connect(menu.logsFolder, &QAction::triggered, this, &LogCommands::OpenLogsFolder);
}

void LogCommands::Tick(const OperatingPoint& live) {
    if (!recorder_.logging())
        return;
    if (!recorder_.Tick(live)) {
        // The window runs on; the rows written so far stay in the file.
        const QString path = QDir::toNativeSeparators(recorder_.path());
        recorder_.Stop();
        ShowActions();
        ShowIndicator();
        dialogs_.showMessage(
            Text(LogText::LogStopped, path.toStdString(), recorder_.error().toStdString()),
            Dialogs::Severity::Error);
        return;
    }
    ShowIndicator();
}

void LogCommands::Close() {
    recorder_.Stop();
}

void LogCommands::ApplyLanguage() {
    indicatorSecond_ = -1;
    ShowIndicator();
    if (viewer_)
        viewer_->SetLanguage(state_.choices.languageIndex);
}

void LogCommands::StartLogging() {
    StartLoggingTo(LogFile::NewPath(LogFile::FolderForThisSystem(), QDateTime::currentDateTime()));
}

bool LogCommands::StartLoggingTo(const QString& path) {
    if (recorder_.logging())
        return false;
    if (!recorder_.Start(path)) {
        dialogs_.showMessage(Text(LogText::LogNotStarted,
                                  QDir::toNativeSeparators(path).toStdString(),
                                  recorder_.error().toStdString()),
                             Dialogs::Severity::Error);
        return false;
    }
    indicatorSecond_ = -1;
    ShowActions();
    ShowIndicator();
    return true;
}

void LogCommands::StopLogging() {
    recorder_.Stop();
    ShowActions();
    ShowIndicator();
}

void LogCommands::ChooseLog() {
    const QString folder = LogFile::FolderForThisSystem();
    const auto path = dialogs_.askOpenLog(QDir::toNativeSeparators(folder).toStdString(),
                                          Text(LogText::LogFileFilter));
    if (path)
        OpenLog(QString::fromStdString(*path));
}

void LogCommands::OpenLogsFolder() {
    const QString folder = LogFile::FolderForThisSystem();
    QDir().mkpath(folder);
    dialogs_.openDocument(folder.toStdString());
}

bool LogCommands::OpenLog(const QString& path) {
    const std::string shownPath = QDir::toNativeSeparators(path).toStdString();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        dialogs_.showMessage(
            Text(LogText::LogUnreadable, shownPath, file.errorString().toStdString()),
            Dialogs::Severity::Error);
        return false;
    }
    if (file.size() > kLargestLog) {
        dialogs_.showMessage(Text(LogText::LogUnreadable, shownPath, "> 512 MB"),
                             Dialogs::Severity::Error);
        return false;
    }
    const QByteArray text = file.readAll();
    TelegramLog log = ParseTelegramLog(std::string_view(text.constData(), size_t(text.size())));
    if (log.foreign) {
        dialogs_.showMessage(Text(LogText::LogForeign, shownPath), Dialogs::Severity::Error);
        return false;
    }
    if (!viewer_) {
        viewer_ = new LogViewer(&form_);
        connect(viewer_, &LogViewer::cursorMoved, this, &LogCommands::Replay);
        connect(viewer_, &QDialog::finished, this, [this] { replayed_.reset(); });
    }
    viewer_->SetLanguage(state_.choices.languageIndex);
    viewer_->SetRecord(state_.block, form_.controls().advance.tpsRows->isChecked());
    viewer_->SetLog(std::move(log), QFileInfo(path).fileName());
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
    Replay(int(viewer_->cursorRow()));
    return true;
}

OperatingPoint LogCommands::MarkedPoint(const OperatingPoint& live) const {
    return replayed_.value_or(live);
}

void LogCommands::FollowRecord() {
    if (!viewer_ || !viewer_->isVisible())
        return;
    const bool tpsRows = form_.controls().advance.tpsRows->isChecked();
    if (viewer_->record() == state_.block && viewer_->tpsRowsOn() == tpsRows)
        return;
    viewer_->SetRecord(state_.block, tpsRows);
    Replay(int(viewer_->cursorRow()));
}

void LogCommands::Replay(int row) {
    const TelegramLog& log = viewer_->log();
    if (row < 0 || size_t(row) >= log.size()) {
        replayed_.reset();
        return;
    }
    replayed_ = ReplayedPoint(log, size_t(row), state_.block,
                              form_.controls().advance.tpsRows->isChecked());
}

void LogCommands::ShowIndicator() {
    if (!recorder_.logging()) {
        indicator_->hide();
        return;
    }
    // The text changes once a second and with each row; setting it every tick would relayout
    // the status bar for nothing.
    const int64_t second = recorder_.elapsedMs() / 1000;
    if (second == indicatorSecond_ && recorder_.rows() == indicatorRows_ && !indicator_->isHidden())
        return;
    indicatorSecond_ = second;
    indicatorRows_ = recorder_.rows();
    indicator_->setText(
        QString::fromStdString(Text(LogText::LoggingIndicator, ClockDuration(long(second), true),
                                    std::to_string(recorder_.rows()))));
    indicator_->setToolTip(QDir::toNativeSeparators(recorder_.path()));
    indicator_->show();
}

void LogCommands::ShowActions() {
    const MenuActions& menu = form_.controls().frame.menu;
    menu.startLogging->setEnabled(!recorder_.logging());
    menu.stopLogging->setEnabled(recorder_.logging());
}

std::string LogCommands::Text(LogText text, const std::string& first,
                              const std::string& second) const {
    return FillIn(LogTextIn(text, state_.choices.languageIndex), first, second);
}

} // namespace kx
