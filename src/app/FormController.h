#pragma once

#include "app/CommandLine.h"
#include "app/CurvePanel.h"
#include "app/EditCommands.h"
#include "app/FileCommands.h"
#include "app/FormState.h"
#include "app/HeatMap.h"
#include "app/HistoryCommands.h"
#include "app/LogCommands.h"
#include "app/MonitorPanel.h"
#include "app/OperatingPointMarker.h"
#include "app/PortKeeper.h"
#include "app/PrintController.h"
#include "app/TraceView.h"
#include "app/WindowSettings.h"
#include "config/MapTools.h"
#include "link/DeviceLink.h"
#include "present/LinkPresenter.h"
#include "ui/EditorBinding.h"
#include "ui/ViewRulesApplier.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <string>

class QCloseEvent;
class QLineEdit;

namespace kx {

class Dialogs;
class SerialPort;
class TFormAbout;
class TFormHlav;

// Runs the main window: start-up, the 55 ms tick and shutdown in their fixed order, the edit
// path, and the routing of every command to the part that carries it out.
class FormController : public QObject, private TransferEvents, private FormRefresh {
    Q_OBJECT

  public:
    // The state is the caller's and outlives the controller.
    FormController(TFormHlav& form, FormState& state, SerialPort& port, Dialogs& dialogs,
                   QStringList arguments);

    void FormCreate();
    void Timer1Timer();
    // Keeps the window open while a program exchange runs; it closes by itself when that ends.
    void FormCloseQuery(QCloseEvent* event);
    // Runs once, however often the window is closed.
    void FormClose();

    // FormRefresh
    void ReadForm() override;
    void ShowBlock() override;
    void ApplyChange(ChangeKind kind) override;
    void ApplyViewRules() override;

    const DeviceLink& link() const { return link_; }
    const TraceView& trace() const { return trace_; }
    EditCommands& edits() { return edits_; }
    HistoryCommands& history() { return history_; }
    LogCommands& logs() { return logs_; }
    // The About window, created once after the main window; Help > About shows it.
    void SetAboutWindow(TFormAbout* about) { about_ = about; }

  private:
    // TransferEvents
    void showRecord() override;
    void clearFileName() override;
    void exchangeEnded(ExchangeResult result, TransferMode mode) override;
    void versionMismatch(int pcVersion, int unitVersion) override;

    // FormRefresh
    void ApplyLinkStates() override;

    void ConnectCommands();
    void WatchEdit(QLineEdit* edit);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void OpenPort();
    void ApplyCommandLineLanguage();
    // kx_flam3 --log FILE.csv opens the log in the viewer.
    void OpenCommandLineLog();
    // kx_flam3 [LANGUAGE] FILE.ign opens the file as File > Open does: the desktop starts the
    // tool so for a file opened from a file manager.
    void OpenCommandLineFile();
    void ApplyLanguage();
    void ShowCurves();
    void ShowQueuedMessage(const std::string& text);
    // Writing the record into the unit, or checking what was just written.
    bool ProgramRunning() const;
    void FinishPendingClose();

    // Handlers, named as the window's event table names them.
    void UpDownClick();
    void EditExit();
    void FormKeyPress(QLineEdit* edit);
    void CheckBoxMouseUp();
    void CheckBoxZakazCteniClick();
    void RadioGroupInputClick(int input, int itemIndex);
    void ComboBoxBikeChange();
    void MenuNewClick();
    void MenuReadClick();
    void MenuVerifyClick();
    void MenuProgramClick();
    void MenuCom1Click(int portIndex);
    void MenuLanguageClick(uint8_t languageIndex);
    void MenuContensClick();
    void MenuAboutClick();
    void StepAdvanceClick(Step step);
    void CSpinButtonClick(int column, Step step);
    void StepServoClick(Step step);
    void BitBtnTps0Click();
    void BitBtnTps100Click();

    TFormHlav& form_;
    FormState& state_;
    Dialogs& dialogs_;
    CommandLine commandLine_;

    DeviceLink link_;
    PortKeeper ports_;
    WindowSettings settings_;
    FileCommands files_;
    StatusPresenter statusPresenter_;
    PrintController printer_;
    EditorBinding binding_;
    MonitorPanel monitorPanel_;
    ViewRulesApplier viewRules_;
    OperatingPointMarker marker_;
    HeatMap heatMap_{marker_};
    EditCommands edits_;
    CurvePanel curves_;
    TraceView trace_;
    HistoryCommands history_;
    LogCommands logs_;
    uint32_t telegramsShown_ = 0;
    QTimer timer1_;
    bool keepSpecial_ = false;
    TFormAbout* about_ = nullptr;
    int queuedMessages_ = 0; // asked for by the exchange, not yet closed by the user
    bool closePending_ = false;
    bool closed_ = false;
};

} // namespace kx
