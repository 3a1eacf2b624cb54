#include "app/FormController.h"

#include "config/Conversions.h"
#include "config/EditorClamp.h"
#include "config/Presets.h"
#include "link/PortNames.h"
#include "ui/Dialogs.h"
#include "ui/FormHlav.h"
#include "ui/LanguageApplier.h"
#include "ui/QtDialogLanguage.h"
#include "ui/WindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

namespace kx {

namespace {

constexpr uint8_t kStartPortIndex = 1;

} // namespace

FormController::FormController(TFormHlav& form, FormState& state, SerialPort& port,
                               Dialogs& dialogs, QStringList arguments)
    : form_(form), state_(state), dialogs_(dialogs), commandLine_(ParseCommandLine(arguments)),
      link_(state.block, port, *this), ports_(port, dialogs), settings_(form, state),
      files_(form, state, *this, dialogs, link_.engine()),
      printer_(form, state, *this, dialogs, statusPresenter_, link_.engine()),
      binding_(form.controls()), monitorPanel_(form.controls()), viewRules_(form, form.controls()),
      marker_(form.controls().advance, form.controls().servo),
      edits_(form, state, *this, dialogs, binding_), curves_(form.controls()),
      trace_(form.controls().advance), history_(form, state, *this, dialogs, link_),
      logs_(form, state, dialogs, link_) {
    timer1_.setInterval(DeviceLink::kTickMs);
    timer1_.setTimerType(Qt::PreciseTimer);
    connect(&timer1_, &QTimer::timeout, this, &FormController::Timer1Timer);
    connect(&form_, &TFormHlav::closeRequested, this, &FormController::FormCloseQuery);
    connect(&form_, &TFormHlav::closing, this, &FormController::FormClose);
}

void FormController::FormCreate() {
    form_.FillControlTable();
    ConnectCommands();
    state_.choices.portIndex = kStartPortIndex;
    state_.block.bike = 0;
    ApplyPreset(state_.block, keepSpecial_);

    if (const QScreen* screen = form_.screen())
        PlaceOnFirstStart(form_, screen->availableGeometry());
    settings_.LoadSettings(ports_);
    form_.controls().frame.menu.heatMap->setChecked(state_.workbench.heatMap);
    form_.controls().frame.menu.curve->setChecked(state_.workbench.curve);
    form_.controls().frame.menu.trail->setChecked(state_.workbench.trail);
    form_.controls().frame.menu.dwell->setChecked(state_.workbench.dwell);
    ApplyCommandLineLanguage();
    NormaliseBlock(state_.block, state_.choices);
    // The saved copy is a file like any other: a hand-edited one must not reach the unit unseen.
    ClampToEditors(state_.block);
    LoadMessageTexts(state_.texts, state_.choices.languageIndex);
    ShowBlock();
    OpenPort();
    ApplyLanguage();
    ShowBlock();

    form_.controls().monitor.message->hide();
    form_.controls().monitor.programGauge->hide();
    form_.controls().frame.dataError->hide();
    form_.controls().frame.version->hide();
    form_.controls().monitor.programGauge->setMaximum(2);
    settings_.CheckTestMode();
    for (QLabel* label : form_.controls().frame.tests)
        label->setVisible(state_.testMode);
    ApplyViewRules();
    edits_.Start();
    timer1_.start();
    OpenCommandLineFile();
    OpenCommandLineLog();
}

void FormController::Timer1Timer() {
    const QWidget* servoGroup = form_.controls().servo.group;
    ports_.ReopenLostPort(state_.choices.portIndex);
    link_.Tick(state_.printView, !servoGroup->isHidden());
    ApplyLinkStates();
    const LiveValues& live = link_.live();
    state_.point = TrackOperatingPoint(state_.block, live.liveRpm, live.liveTpsPercent,
                                       form_.controls().advance.tpsRows->isChecked());
    logs_.FollowRecord();
    marker_.Mark(logs_.MarkedPoint(state_.point));
    logs_.Tick(state_.point);
    const bool dataCurrent = link_.telegramCount() > 0 && !link_.connectionLost();
    curves_.MarkLive(live, link_.monitor(), dataCurrent);
    trace_.Tick(state_.point, dataCurrent);
    history_.Tick();
    FinishPendingClose();
}

void FormController::ApplyLinkStates() {
    const StatusDisplay& status = statusPresenter_.Present(link_.engine().state(), state_.texts);
    auto* label = form_.controls().monitor.message;
    TFormHlav::ApplyLabel(label, status.LabelHlaseni);
    label->setVisible(status.labelVisible);
    auto* gauge = form_.controls().monitor.programGauge;
    if (gauge->maximum() != status.gaugeMaximum)
        gauge->setMaximum(status.gaugeMaximum);
    TFormHlav::ApplyGauge(gauge, status.gaugeProgress);
    gauge->setVisible(status.gaugeVisible);
    if (link_.telegramCount() != telegramsShown_) {
        telegramsShown_ = link_.telegramCount();
        monitorPanel_.Apply(PresentMonitor(link_.live(), link_.monitor(), state_.texts));
    }
    form_.controls().frame.connection->setVisible(link_.connectionLost());
    form_.controls().frame.version->setVisible(link_.monitor().versionVisible);
}

void FormController::FormCloseQuery(QCloseEvent* event) {
    // A program cut short leaves the unit with some blocks new and the rest old, and the user
    // without a word of it. It ends within about a second, in success or in its failure, while
    // the status label shows how far it is. A read or a verify changes nothing in the unit and is
    // simply dropped.
    closePending_ = ProgramRunning();
    if (closePending_)
        event->ignore();
}

bool FormController::ProgramRunning() const {
    const TransferEngine& engine = link_.engine();
    return engine.transferMode() == ModeProgram ||
           (engine.transferMode() == ModeVerify && engine.programDone());
}

void FormController::FinishPendingClose() {
    // A message the exchange ended with is read before the window goes.
    if (closePending_ && !ProgramRunning() && queuedMessages_ == 0) {
        closePending_ = false;
        form_.close();
    }
}

void FormController::FormClose() {
    if (closed_)
        return;
    closed_ = true;
    timer1_.stop();
    ports_.ClosePort();
    history_.Close();
    logs_.Close();
    ReadForm();
    NormaliseBlock(state_.block, state_.choices);
    settings_.SaveSettings();
}

void FormController::ReadForm() {
    binding_.ReadForm(state_.block, state_.testMode);
    ApplyViewRules();
}

void FormController::ShowBlock() {
    binding_.ShowBlock(state_.block);
    ApplyViewRules();
}

void FormController::ApplyChange(ChangeKind kind) {
    NormaliseBlock(state_.block, state_.choices);
    // Kept before it is shown: showing can hide the edit that has the focus, and the edit the
    // focus leaves takes its value as a change of its own, which must not take this one's name.
    edits_.RecordChange(kind);
    ShowBlock();
    link_.engine().CheckAutoProgram(form_.controls().miscellaneous.programAfterChange->isChecked());
}

void FormController::ApplyViewRules() {
    ViewInputs inputs;
    inputs.printView = state_.printView;
    inputs.testMode = state_.testMode;
    const FormControls& controls = form_.controls();
    inputs.tpsRowsTicked = controls.advance.tpsRows->isChecked();
    inputs.specialSelected = controls.bike.bike->currentIndex() == kSpecialBikeItem;
    inputs.synchroItem = controls.bike.synchro->currentIndex();
    inputs.programAfterChange = controls.miscellaneous.programAfterChange->isChecked();
    viewRules_.Apply(ComputeViewRules(state_.block, inputs));
    heatMap_.Show(state_.block, state_.workbench.heatMap);
    edits_.ApplyView(inputs.tpsRowsTicked, state_.printView);
    ShowCurves();
    trace_.Show(state_.workbench.trail, state_.workbench.dwell, state_.printView);

    const UnitInfo& unit = link_.engine().unitInfo();
    const std::array<QLabel*, 3>& version = controls.bike.unitVersion;
    version[0]->setText(QString::fromStdString(unit.unitVersionText));
    version[1]->setText(QString::fromStdString(unit.unitDateText));
    version[2]->setText(QString::fromStdString(unit.unitTimeText));
}

void FormController::ShowCurves() {
    // Not on paper: the printout is the record's pages.
    curves_.Show(state_.block, state_.workbench.curve && !state_.printView,
                 state_.choices.languageIndex);
}

void FormController::OpenPort() {
    ports_.OpenPort(state_.choices.portIndex, state_.texts, state_.choices.languageIndex);
    for (int i = 0; i < kPortCount; ++i)
        form_.ComItem(i)->setChecked(i == state_.choices.portIndex);
}

void FormController::ApplyCommandLineLanguage() {
    if (commandLine_.language)
        state_.choices.languageIndex = *commandLine_.language;
}

void FormController::OpenCommandLineLog() {
    if (commandLine_.log.isEmpty())
        return;
    // After the window is up, so the viewer opens over it and a message box has its parent.
    QTimer::singleShot(0, this, [this, path = commandLine_.log] { logs_.OpenLog(path); });
}

void FormController::OpenCommandLineFile() {
    const QString& file = commandLine_.file;
    if (file.isEmpty())
        return;
    // Absolute, as the dialog gives it: a file manager may hand a path relative to the folder it
    // started the program in, and the remembered path must still lead there from another one.
    // Windows hands backslashes, the dialog gives forward ones.
    const QString path = QFileInfo(QDir::fromNativeSeparators(file)).absoluteFilePath();
    QTimer::singleShot(0, this, [this, path] { files_.OpenFile(path.toStdString()); });
}

void FormController::ApplyLanguage() {
    // Messages first: captions and placeholders are built from them.
    LoadMessageTexts(state_.texts, state_.choices.languageIndex);
    const bool noConnection = form_.controls().frame.connection->isVisibleTo(&form_);
    ApplyLanguageTexts(form_, state_.choices.languageIndex, state_.texts, noConnection);
    ApplyQtDialogLanguage(state_.choices.languageIndex);
    edits_.ApplyLanguage();
    logs_.ApplyLanguage();
}

void FormController::showRecord() {
    ShowBlock();
    // What a read brings is a change like any other, and can be undone.
    edits_.RecordChange(link_.engine().transferMode() == ModeRead ? ChangeKind::Read
                                                                  : ChangeKind::Edit);
}

void FormController::exchangeEnded(ExchangeResult result, TransferMode mode) {
    history_.ExchangeEnded(result, mode);
}

void FormController::clearFileName() {
    form_.controls().bike.file->setText(QString());
}

void FormController::versionMismatch(int pcVersion, int unitVersion) {
    // This comes from inside a tick, and Qt starts no tick while the last one has not returned:
    // a box opened here would stop the receive poll, the monitor requests and the link watch
    // until the user closed it. Opened once the tick is over, it runs with the ticks going on;
    // the exchange is idle by then, so they only poll and ask for live data.
    ++queuedMessages_;
    const std::string text = VersionMismatchText(state_.texts, pcVersion, unitVersion);
    QMetaObject::invokeMethod(
        this, [this, text] { ShowQueuedMessage(text); }, Qt::QueuedConnection);
}

void FormController::ShowQueuedMessage(const std::string& text) {
    if (!closed_)
        dialogs_.showMessage(text, Dialogs::Severity::Warning);
    --queuedMessages_;
    FinishPendingClose();
}

} // namespace kx
