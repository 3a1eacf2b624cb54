#pragma once

#include "app/MonitorPanel.h"
#include "app/OperatingPointMarker.h"
#include "config/ConfigBlock.h"
#include "config/MapTools.h"
#include "link/DeviceLink.h"
#include "present/LinkPresenter.h"
#include "store/qt/SettingsFiles.h"
#include "texts/MessageTexts.h"
#include "ui/EditorBinding.h"
#include "ui/ViewRulesApplier.h"

#include <QImage>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <map>
#include <string>
#include <vector>

class QCloseEvent;
class QLineEdit;

namespace kx {

class Dialogs;
class SerialPort;
class TFormAbout;
class TFormHlav;

// Owns everything the main window works on (the record, the port, the exchange, the language)
// and carries out start-up, the 55 ms tick, shutdown and every command of the window.
class FormController : public QObject, private TransferEvents {
    Q_OBJECT

  public:
    FormController(TFormHlav& form, SerialPort& port, Dialogs& dialogs, QStringList arguments);

    void FormCreate();
    void Timer1Timer();
    // Keeps the window open while a program exchange runs; it closes by itself when that ends.
    void FormCloseQuery(QCloseEvent* event);
    // Runs once, however often the window is closed.
    void FormClose();

    // The edit path: normalise, show, and program the unit when asked to after every change.
    void ReadForm();
    void ShowBlock();
    void ApplyChange();
    void ApplyViewRules();

    void OpenPort();
    void ClosePort();
    void ReopenLostPort();

    ConfigBlock& block() { return block_; }
    AppChoices& choices() { return choices_; }
    const MessageTexts& texts() const { return texts_; }
    DeviceLink& link() { return link_; }
    const OperatingPoint& operatingPoint() const { return point_; }
    bool testMode() const { return testMode_; }
    const std::string& lastFilePath() const { return lastFilePath_; }
    // The About window, created once after the main window; Help > About shows it.
    void SetAboutWindow(TFormAbout* about) { about_ = about; }
    bool printView() const { return printView_; }

  private:
    // TransferEvents
    void showRecord() override;
    void clearFileName() override;
    void exchangeEnded(ExchangeResult, TransferMode) override {}
    void versionMismatch(int pcVersion, int unitVersion) override;

    void ConnectCommands();
    void WatchEdit(QLineEdit* edit);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void LoadSettings();
    void SaveSettings();
    void CheckTestMode();
    void ApplyCommandLineLanguage();
    void ApplyLanguage();
    void ApplyLinkStates();
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
    void MenuSaveClick();
    void MenuOpenClick();
    void MenuReadClick();
    void MenuVerifyClick();
    void MenuProgramClick();
    void MenuCom1Click(int portIndex);
    void MenuLanguageClick(uint8_t languageIndex);
    void MenuContensClick();
    void MenuAboutClick();
    void SpeedButtonPrintClick();
    void MenuPrintAllClick();
    void BeginPrint();
    void PrintJob();
    void EndPrint();
    void StepAdvanceClick(Step step);
    void CSpinButtonClick(int column, Step step);
    void StepServoClick(Step step);
    void BitBtnTps0Click();
    void BitBtnTps100Click();

    TFormHlav& form_;
    SerialPort& port_;
    Dialogs& dialogs_;
    QStringList arguments_;

    ConfigBlock block_{};
    AppChoices choices_;
    MessageTexts texts_;
    DeviceLink link_;
    EditorBinding binding_;
    MonitorPanel monitorPanel_;
    StatusPresenter statusPresenter_;
    ViewRulesApplier viewRules_;
    OperatingPointMarker marker_;
    OperatingPoint point_;
    uint32_t telegramsShown_ = 0;
    QTimer timer1_;
    SettingsFiles files_ = SettingsFiles::ForThisSystem();
    std::string lastFilePath_;
    std::map<int, std::string> portOverrides_; // port number -> device
    bool keepSpecial_ = false;
    bool testMode_ = false;
    bool printView_ = false;
    int reopenTicks_ = 0;
    bool awaitingPort_ = false; // the chosen port was missing or busy when opened
    TFormAbout* about_ = nullptr;
    int queuedMessages_ = 0; // asked for by the exchange, not yet closed by the user
    bool closePending_ = false;
    bool closed_ = false;
    std::vector<QImage> unprintedPages_; // pages of this print command no printer took
};

} // namespace kx
