#pragma once

#include "app/FormState.h"
#include "app/LogRecorder.h"
#include "link/OperatingPoint.h"
#include "texts/LogTexts.h"

#include <QObject>

#include <optional>

class QLabel;

namespace kx {

class DeviceLink;
class Dialogs;
class LogViewer;
class TFormHlav;

// The Log menu: the data log started and stopped, its time and rows in the status bar, and a
// log opened in the viewer, whose cursor the advance map then follows as it follows the engine.
class LogCommands : public QObject {
    Q_OBJECT

  public:
    // Everything given outlives the commands.
    LogCommands(TFormHlav& form, FormState& state, Dialogs& dialogs, const DeviceLink& link);

    void ConnectCommands();
    // Every tick, with the live operating point.
    void Tick(const OperatingPoint& live);
    void Close();
    void ApplyLanguage();
    // From the menu and from the command line; false after telling the user why not.
    bool OpenLog(const QString& path);
    // The menu starts a new file in the logs folder; false after telling the user why not.
    bool StartLoggingTo(const QString& path);
    // What the map marks: the viewer's cursor while a log is open in it, else the engine.
    OperatingPoint MarkedPoint(const OperatingPoint& live) const;
    // Called every tick before the marking: an edit, a read or the throttle rows switched under
    // an open viewer reach its dwell map and the replayed cell, as they reach the live marking.
    void FollowRecord();

    const LogRecorder& recorder() const { return recorder_; }
    // Made when first asked for; nothing before.
    LogViewer* viewer() const { return viewer_; }

  private:
    void StartLogging();
    void StopLogging();
    void ChooseLog();
    void OpenLogsFolder();
    void Replay(int row);
    void ShowIndicator();
    void ShowActions();
    std::string Text(LogText text, const std::string& first = "",
                     const std::string& second = "") const;

    TFormHlav& form_;
    FormState& state_;
    Dialogs& dialogs_;
    LogRecorder recorder_;
    QLabel* indicator_;
    LogViewer* viewer_ = nullptr;
    std::optional<OperatingPoint> replayed_;
    int64_t indicatorSecond_ = -1;
    uint64_t indicatorRows_ = 0;
};

} // namespace kx
